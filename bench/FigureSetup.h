#pragma once
// How the window benchmarks make their figure: as a user does on the figures page, a figure of
// columns A and B created, then the uncertainties of each axis chosen.
#include "BenchSupport.h"
#include "app/TForm1.h"
#include "figures/FiguresPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace bench {

template <typename T> T* figureControl(TForm1& form, const char* name)
{
    return form.Wykresy_TabSheet->findChild<T*>(QLatin1String(name));
}

// "Dodaj Wykres" with X from column A and Y from column B.
inline void addFigure(TForm1& form)
{
    figureControl<QComboBox>(form, "NrKolumnyDanychX_ComboBox")->setCurrentIndex(0);
    figureControl<QComboBox>(form, "NrKolumnyDanychY_ComboBox")->setCurrentIndex(1);
    figureControl<QPushButton>(form, "AddFigure_Button")->click();
}

// One value for every point of an axis ("Takie same").
inline void commonUncertainty(TForm1& form, bool x, const QString& value)
{
    figureControl<QLineEdit>(form, x ? "NiepX_Edit" : "NiepY_Edit")->setText(value);
    choose(figureControl<QComboBox>(form, x ? "TypNiepX_ComboBox" : "TypNiepY_ComboBox"), 1);
}

// Per-point uncertainties of an axis from a worksheet column ("Różne"), column 1 = A.
inline void columnUncertainty(TForm1& form, bool x, int column)
{
    figureControl<QComboBox>(form, x ? "NrKolumnyNiepewnosciX_ComboBox" : "NrKolumnyNiepewnosciY_ComboBox")
        ->setCurrentIndex(column - 1);
    choose(figureControl<QComboBox>(form, x ? "TypNiepX_ComboBox" : "TypNiepY_ComboBox"), 2);
}

} // namespace bench
