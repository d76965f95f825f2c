#include "stats/LineFit.h"

namespace tallox::stats {

std::optional<FitNotice> checkFigure(std::size_t pointCount, bool shown)
{
    if (pointCount == 0)
        return FitNotice{FitNoticeKind::NoPoints};
    if (pointCount == 1)
        return FitNotice{FitNoticeKind::OnePoint};
    if (!shown)
        return FitNotice{FitNoticeKind::FigureHidden};
    return std::nullopt;
}

namespace {

std::string_view errorCaption(FitMethod method)
{
    switch (method) {
    case FitMethod::Classical: return "Błąd Regresji Klasycznej!";
    case FitMethod::Weighted: return "Błąd Regresji Ważonej!";
    case FitMethod::Effective: return "Błąd Regresji Efektywnej!";
    }
    return {};
}

// The weighted fit's warnings, with the captions exactly as the program has always spelt them
// (some of them "Ostzeżenie").
MessageText weightedWarning(const FitNotice& n)
{
    constexpr std::string_view usual = "Ostrzeżenie Regresji Ważonej!";
    constexpr std::string_view variant = "Ostzeżenie Regresji Ważonej!";
    const bool x = n.axis == Axis::X;
    switch (n.kind) {
    case FitNoticeKind::ZeroData:
        return {!x && n.perPoint ? variant : usual,
                x ? "Zerowa dana w kolumnie x!" : "Zerowa dana w kolumnie y!"};
    case FitNoticeKind::ZeroUncertainty:
        return {x ? variant : usual, x ? "Zerowa niepewność dla x!" : "Zerowa niepewność dla y!"};
    case FitNoticeKind::ZeroCommonUncertainty:
        return {usual, x ? "Zerowa niepewność dla x?" : "Zerowa niepewność dla y?"};
    case FitNoticeKind::NoDominantAxis:
        return {usual,
                "Brak zasadności stosowania Regresji Ważonej! Zastosuj Regresję Efektywną!"};
    default:
        return {};
    }
}

MessageText effectiveWarning(const FitNotice& n)
{
    constexpr std::string_view caption = "Ostrzeżenie Regresji Efektywnej!";
    const bool x = n.axis == Axis::X;
    switch (n.kind) {
    case FitNoticeKind::ZeroData:
        return {caption, x ? "Zerowa dana w kolumnie X!" : "Zerowa dana w kolumnie Y!"};
    case FitNoticeKind::ZeroUncertainty:
        return {caption, x ? "Zerowa niepewność dla X!" : "Zerowa niepewność dla Y!"};
    case FitNoticeKind::ZeroCommonUncertainty:
        return {caption, x ? "Zerowa niepewność dla X?" : "Zerowa niepewność dla Y?"};
    default:
        return {};
    }
}

} // namespace

MessageText fitMessage(FitMethod method, const FitNotice& notice)
{
    switch (notice.kind) {
    case FitNoticeKind::NoPoints:
        return {errorCaption(method), "Brak punktów w wykresie !"};
    case FitNoticeKind::OnePoint:
        return {errorCaption(method), "Za mała ilość punktów w wykresie !"};
    case FitNoticeKind::FigureHidden:
        return {errorCaption(method), "Wykres wyjściowy danych jest niewidoczny"};
    case FitNoticeKind::Ambiguous:
        return {errorCaption(method), "Wyniki są niejednoznaczne!"};
    default:
        break;
    }
    if (method == FitMethod::Weighted)
        return weightedWarning(notice);
    if (method == FitMethod::Effective)
        return effectiveWarning(notice);
    return {};
}

} // namespace tallox::stats
