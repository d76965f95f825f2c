#pragma once
// Names of the figure page's controls that the figure routines enable, disable and colour as a
// group. Some belong to the axis and exercise pages; they are looked up by name when needed.
#include <QStringList>

namespace tallox::figureControls {

// Inputs that wear the button face until a figure exists and the window colour once it does.
inline const QStringList figureInputs = {
    "NrWykresu_ComboBox", "NrKolumnyDanychX_ComboBox", "NrKolumnyDanychY_ComboBox",
    "NrKolumnyNiepewnosciX_ComboBox", "NrKolumnyNiepewnosciY_ComboBox", "WidocznyWykres_ComboBox",
    "WidocznaRegresja_ComboBox", "TypPunktow_ComboBox", "Rozmiar_Edit", "KolorPunktow_ComboBox",
    "StylPunktow_ComboBox", "FigureTitle_Edit", "XAxisTitle_Edit", "YAxisTitle_Edit",
    "Axis_TopMargin_Edit", "Axis_LeftMargin_Edit", "Axis_RightMargin_Edit", "Axis_BottomMargin_Edit",
};

// The uncertainty kind lists: greyed at start, coloured by each acceptance.
inline const QStringList uncertaintyKindLists = {"TypNiepX_ComboBox", "TypNiepY_ComboBox"};

// The tick, increment and label-distance fields of both axes.
inline const QStringList axisFields = {
    "InkrementValueX_Edit",   "InkrementValueY_Edit",   "LabelSeparationX_Edit",
    "LabelSeparationY_Edit",  "TicksMajorLenghtX_Edit", "TicksMajorLenghtY_Edit",
    "TicksMinorLenghtX_Edit", "TicksMinorLenghtY_Edit", "TickMinorCountX_Edit",
    "TickMinorCountY_Edit",
};

// Everything of the axis page that a new figure enables (beside axisFields).
inline const QStringList axisPageControls = {
    "OpisOsi_Label", "Tytul_Label", "FigureTitle_Edit", "OpisX_Label", "OpisY_Label",
    "XAxisTitle_Edit", "YAxisTitle_Edit", "AcceptFigureTittle_Button", "AcceptXTittle_Button",
    "AcceptYTittle_Button", "ZakresyOsi_Label", "AutomaticHandsRanges_Button", "AutoUpDown_Button",
    "LeftRight_Button", "LeftMarginAxisUp_Button", "LeftMarginAxisDown_Button",
    "RightMarginAxisUp_Button", "RightMarginAxisDown_Button", "BottomMarginAxisUp_Button",
    "BottomMarginAxisDown_Button", "TopMarginAxisUp_Button", "TopMarginAxisDown_Button",
    "Axis_TopMargin_Edit", "Axis_LeftMargin_Edit", "Axis_RightMargin_Edit", "Axis_BottomMargin_Edit",
    "ParametryOsi_PageControl", "LabelsOnAxisX_CheckBox", "LabelsOnAxisY_CheckBox",
    "TicksMajorLenghtX_UpDown", "TicksMajorLenghtY_UpDown", "TicksMinorLenghtX_UpDown",
    "TicksMinorLenghtY_UpDown", "TicksMinorCountX_UpDown", "TicksMinorCountY_UpDown",
    "SeparationX_UpDown", "SeparationY_UpDown", "GridOdcietych_CheckBox", "GridRzednych_CheckBox",
};

// The exercise description's inputs, and its labels.
inline const QStringList exerciseInputs = {
    "NazwaCwiczenia_ComboBox", "Prowadzacy_ComboBox", "StartData_DateTimePicker",
    "StopData_DateTimePicker", "KomentarzWlasny_Memo", "KomentarzProwadzacego_Memo", "Ocena_ComboBox",
};
inline const QStringList exerciseLabels = {
    "OpisCwiczenia_Label", "NazwaCwiczenia_Label", "Prowadzacy_Label", "StartData_Label",
    "StopData_Label", "KomentarzWlasny_Label", "KomentarzProwadzacego_Label", "Ocena_Label",
};

// The point style group.
inline const QStringList styleGroup = {
    "TypPunktow_Label", "KolorPunktow_Label", "StylPunktow_Label", "Rozmiar_Label",
    "TypPunktow_ComboBox", "KolorPunktow_ComboBox", "StylPunktow_ComboBox", "Rozmiar_Edit",
    "Rozmiar_UpDown",
};

}  // namespace tallox::figureControls
