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

} // namespace kelvara::messages
