#pragma once
// Turning a figure's data into a straight-line problem: the four laws a student linearizes by,
// the six transformations of one axis with the propagation of its uncertainties, and the way back
// from the fitted line Y' = a·X' + b to the law's own parameters.
//
// Every value outside a function's domain, and every result that is not a finite number, comes
// back as nothing: no infinity or NaN ever leaves these functions.
#include "stats/LineFit.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallox::stats {

// The laws, in the order of the page's law picker:
//   Power        y = C·x^n      ->  ln y = n·ln x + ln C
//   Exponential  y = C·e^(k·x)  ->  ln y = k·x + ln C
//   Logarithmic  y = A·ln x + B (straight already in ln x)
//   Hyperbolic   y = A/x + B    (straight already in 1/x)
enum class Law { Power, Exponential, Logarithmic, Hyperbolic };

// The transformations of one axis, in the order of the page's two transformation pickers.
enum class Transform { None, Square, Sqrt, Reciprocal, ReciprocalSquare, Ln, Exp };

// The caption of every box about a value the transformation refused.
inline constexpr std::string_view transformErrorCaption = "Błąd transformacji danych!";

// Why a value has no transformed value, as its box tells it.
struct DomainFault {
    enum class Kind {
        Argument,          // "Nieprawidłowy argument x (or y) dla funkcji"
        UncertaintyValue,  // "Nieprawidłowa wartość niepewności x dla funkcji" (both axes)
    };
    Kind kind = Kind::Argument;
    Axis axis = Axis::X;
    std::string_view function;  // "ln", "1/x", "sqrt", "1/x^2"
};

// The box's text: the beginning, a blank and the function's name in straight double quotes.
std::string domainFaultText(const DomainFault& fault);

// A transformed value, or the reason it has none. Both are empty for a result that is not a
// finite number although the argument lies in the domain (e^800): such a value is left out
// without a box.
struct TransformedValue {
    std::optional<double> value;
    std::optional<DomainFault> fault;
};

// X' or Y' of a law's linearization: ln of a positive value, 1/x of a non-zero one, or the value
// itself where the law keeps that axis.
//   law: the chosen law; axis: which coordinate v is; v: the point's coordinate
TransformedValue linearizedValue(Law law, Axis axis, double v);

// t(v) of one axis's transformation: v², √v (v ≥ 0), 1/v, 1/v² (v ≠ 0), ln v (v > 0), e^v.
//   transform: the chosen function (None returns v); axis: the axis v belongs to; v: the value
TransformedValue transformedValue(Transform transform, Axis axis, double v);

// The uncertainty carried through t to first order, u·t'(v), with the sign the factor gives:
// u·2v, u/(2√v), u/v², u·2/v³, u/v, u·e^v. Nothing where t(v) has no value or the factor
// none (v = 0 for √, 1/v, 1/v², ln).
//   transform: the function; v: the untransformed value; u: its uncertainty
std::optional<double> propagatedUncertainty(Transform transform, double v, double u);

// One parameter of a law with its standard uncertainty (NaN where there is none).
struct LawParameter {
    long double value = 0;
    long double uncertainty = 0;
};

// The law's parameters from the fitted line, to first order with a and b taken as uncorrelated:
// Power n = a, C = e^b; Exponential k = a, C = e^b, u(C) = C·s_b; Logarithmic and Hyperbolic
// A = a, B = b. `first` is n, k or A; `second` is C or B.
struct LawParameters {
    LawParameter first;
    LawParameter second;
};
//   law: the law linearized by; a, b, sa, sb: the fitted line and its standard deviations
LawParameters lawParameters(Law law, long double a, long double b, long double sa, long double sb);

} // namespace tallox::stats
