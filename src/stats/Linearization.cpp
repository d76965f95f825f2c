#include "stats/Linearization.h"

#include <cmath>

namespace tallox::stats {

namespace {

std::optional<double> finite(double v)
{
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

TransformedValue refused(DomainFault::Kind kind, Axis axis, std::string_view function)
{
    return {std::nullopt, DomainFault{kind, axis, function}};
}

TransformedValue accepted(double v) { return {finite(v), std::nullopt}; }

} // namespace

std::string domainFaultText(const DomainFault& fault)
{
    std::string text;
    if (fault.kind == DomainFault::Kind::UncertaintyValue)
        text = "Nieprawidłowa wartość niepewności x dla funkcji";
    else
        text = fault.axis == Axis::X ? "Nieprawidłowy argument x dla funkcji"
                                     : "Nieprawidłowy argument y dla funkcji";
    text += " \"";
    text += fault.function;
    text += '"';
    return text;
}

TransformedValue linearizedValue(Law law, Axis axis, double v)
{
    const bool x = axis == Axis::X;
    const bool logarithm = (law == Law::Power) || (x ? law == Law::Logarithmic : law == Law::Exponential);
    if (logarithm) {
        if (!(v > 0))
            return refused(DomainFault::Kind::Argument, axis, "ln");
        return accepted(std::log(v));
    }
    if (x && law == Law::Hyperbolic) {
        if (v == 0)
            return refused(DomainFault::Kind::Argument, axis, "1/x");
        return accepted(1 / v);
    }
    return accepted(v);
}

TransformedValue transformedValue(Transform transform, Axis axis, double v)
{
    using Kind = DomainFault::Kind;
    switch (transform) {
    case Transform::None: return accepted(v);
    case Transform::Square: return accepted(v * v);
    case Transform::Sqrt:
        if (v < 0)
            return refused(Kind::Argument, axis, "sqrt");
        return accepted(std::sqrt(v));
    case Transform::Reciprocal:
        if (v == 0)
            return refused(Kind::UncertaintyValue, axis, "1/x");
        return accepted(1 / v);
    case Transform::ReciprocalSquare:
        if (v == 0)
            return refused(Kind::UncertaintyValue, axis, "1/x^2");
        return accepted(1 / (v * v));
    case Transform::Ln:
        if (!(v > 0))
            return refused(Kind::Argument, axis, "ln");
        return accepted(std::log(v));
    case Transform::Exp: return accepted(std::exp(v));
    }
    return {};
}

std::optional<double> propagatedUncertainty(Transform transform, double v, double u)
{
    // An uncertainty belongs to a value: where the value has none, neither has it.
    if (!transformedValue(transform, Axis::X, v).value)
        return std::nullopt;
    switch (transform) {
    case Transform::None: return finite(u);
    case Transform::Square: return finite(u * (2 * v));
    case Transform::Sqrt: return v > 0 ? finite(u * (1 / (2 * std::sqrt(v)))) : std::nullopt;
    case Transform::Reciprocal: return finite(u * (1 / (v * v)));
    // v³ itself: the cube of a negative value is negative, where e^(3·ln v) has no value.
    case Transform::ReciprocalSquare: return finite(u * (2 / (v * v * v)));
    case Transform::Ln: return finite(u * (1 / v));
    case Transform::Exp: return finite(u * std::exp(v));
    }
    return std::nullopt;
}

LawParameters lawParameters(Law law, long double a, long double b, long double sa, long double sb)
{
    switch (law) {
    case Law::Power:
    case Law::Exponential: {
        // ln y = a·(ln x or x) + b with b = ln C: C = e^b, and dC = C·db.
        const long double c = std::exp(b);
        return {{a, sa}, {c, c * sb}};
    }
    case Law::Logarithmic:
    case Law::Hyperbolic: return {{a, sa}, {b, sb}};
    }
    return {};
}

} // namespace tallox::stats
