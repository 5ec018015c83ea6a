#pragma once

#include <QString>

// The texts the program shows in its message boxes, once each: the code that shows them and the
// tests that expect them use these. A text ending in "Error: " is followed by the failure's own
// message.
namespace kelvara::messages {

inline const QString NoMaterial = QStringLiteral("Przed obliczeniami prosze podac typ materialu.");
inline const QString WrongData = QStringLiteral("Wprowadz wlasciwe dane");
inline const QString MaterialTooHot = QStringLiteral(
    "temperatura otoczenia jest za wysoka dla wybranego materialu, obliczenia przerwane");
inline const QString MaterialTooCold =
    QStringLiteral("Temperatura medium jest za niska dla wybranego materialu ");
inline const QString NoFlowUnit =
    QStringLiteral("prosze wybrac jednostke przeplywu przed obliczeniami");
inline const QString CalculationError = QStringLiteral("blad obliczen! Error: ");
inline const QString MediumError = QStringLiteral("niewlasciwe parametry czynnika");
inline const QString NoCoefficient =
    QStringLiteral("nie mozna okreslic h! Prosze sprawdzic dane i spróbowac ponownie! Error: ");
inline const QString NoSheetDimension =
    QStringLiteral("nie mozna okreslic wlasciwej grubosci, prosze spróbowac ponownie!");
inline const QString NoCladding =
    QStringLiteral("prosze wybrac typ materialu z pokryciem! Error: ");
inline const QString ZeroEmissivity = QStringLiteral("wartosc e = zero!");
inline const QString CoefficientOutOfRange =
    QStringLiteral("Obliczony wspolczynnik h lezy poza zakresem 1 - 50 W/(m2K) przyjmowanym "
                   "przez obliczenia");
inline const QString SurfaceTemperature = QStringLiteral("Temperatura powierzchni: ");
inline const QString ToleranceNotReadable =
    QStringLiteral("Nie mozna ocenic tabeli tolerancji! Error: ");
inline const QString ToleranceError = QStringLiteral("blad tablicy tolerancji! Error: ");
inline const QString IniFileError = QStringLiteral("blad wczytywania Inifile! Error: ");
inline const QString PipesTableNotOpen = QStringLiteral("Pipes Tolerance table not open!");
inline const QString SheetsTableNotOpen = QStringLiteral("Sheets Tolerance table not open!");
inline const QString StaleResults = QStringLiteral("wyniki nieaktualne — nacisnij Oblicz");
inline const QString Copied = QStringLiteral("Ok");
inline const QString NoHelp = QStringLiteral("no help available!");
inline const QString ConfirmClose = QStringLiteral("Are you sure to close the program?");

// Projects.
inline const QString ProjectSaveChanges = QStringLiteral("Zapisac zmiany w projekcie?");
// %1 the entry's text.
inline const QString UnknownMaterial = QStringLiteral("Brak materialu \"%1\" w katalogu");
inline const QString UnknownPipeCase = QStringLiteral("Brak rodzaju przewodu \"%1\" na liscie");
// %1 the line, %2 the fields expected, %3 those found.
inline const QString PasteFieldCount =
    QStringLiteral("Wiersz %1: oczekiwano %2 pol, jest %3. Nic nie wklejono.");
// %1 the file, %2 the reason.
inline const QString ProjectNotOpened = QStringLiteral("Nie mozna otworzyc projektu %1: %2");
inline const QString ProjectNotSaved =
    QStringLiteral("Nie mozna zapisac projektu %1: %2. Poprzedni plik pozostal bez zmian.");
inline const QString ProjectNotJson = QStringLiteral("to nie jest plik JSON (%1)");
inline const QString ProjectCutShort = QStringLiteral("plik jest niekompletny");
inline const QString ProjectNewerVersion =
    QStringLiteral("plik zapisano w nowszej wersji formatu (%1), ten program czyta wersje %2");
inline const QString ProjectNotProject = QStringLiteral("to nie jest projekt Kelvara");
// %1 what is wrong in the file.
inline const QString ProjectBadField = QStringLiteral("niewlasciwe pole: %1");
// %1 the file, %2 the reason.
inline const QString SpreadsheetNotSaved = QStringLiteral("Nie mozna zapisac arkusza %1: %2");
inline const QString ProjectFileExists = QStringLiteral("plik juz istnieje");

// The sizing window's refusals: the field's label, ": ", then the reason.
namespace sizing {
inline const QString AfterField = QStringLiteral(": ");
inline const QString EnterValue = QStringLiteral("prosze wpisac wartosc");
// %1 and %2: the bounds, %3: " " and the unit, or nothing.
inline const QString AllowedRange = QStringLiteral("dozwolone od %1 do %2%3");
// %1: the outer diameter as typed.
inline const QString InnerBelowOuter =
    QStringLiteral("musi byc wieksza od 0 i mniejsza od srednicy zewnetrznej (%1 mm)");
inline const QString ChooseCase = QStringLiteral("prosze wybrac rodzaj przewodu");
inline const QString ChooseMaterial = QStringLiteral("prosze wybrac material");
inline const QString HotSurfaceLimit =
    QStringLiteral("na goracej rurze musi lezec powyzej temperatury otoczenia");
inline const QString ColdSurfaceLimit =
    QStringLiteral("na zimnej rurze musi lezec ponizej temperatury otoczenia");
inline const QString HeatLossLimit =
    QStringLiteral("musi byc wieksza od 0 i nie wieksza niz 1000000 W/m");
inline const QString MarginUnreachable =
    QStringLiteral("punkt rosy z tym zapasem nie lezy ponizej temperatury otoczenia");
// %1: the material's highest temperature.
inline const QString TooHotForMaterial =
    QStringLiteral("za wysoka dla wybranego materialu (najwyzej %1 °C), obliczenia przerwane");
} // namespace sizing

} // namespace kelvara::messages
