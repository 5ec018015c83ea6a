#pragma once

#include <QString>
#include <QStringList>

namespace kelvara {

// How the result log writes the input fields that are more than a row's text, and how such a
// field is read back (the batch tool takes a copied result list as its input).

// The material row: its text, one blank, and the user's λ for the user entry (else nothing).
QString MaterialField(const QString& materialText, const QString& userLambdaText);
// The flow row: its number with the chosen unit, "1[m/s]".
QString FlowField(const QString& value, const QString& unitText);
// The freezing temperature with its unit, "0.00[°C]".
QString FreezingTempField(const QString& value);

struct ParsedMaterial {
    int index = -1;         // the catalogue entry; -1: none chosen
    bool user = false;      // the user-conductivity entry (the catalogue's last)
    QString userLambdaText; // what follows the user entry's name, trimmed; may be empty
};
// A catalogue name (with or without the log's blank) or the user entry with its λ; anything
// else, or an empty name, chooses none.
ParsedMaterial ParseMaterialField(const QString& field, const QStringList& materialNames);

struct ParsedFlow {
    QString value;
    int unitIndex = -1; // in the list of flow units; -1: none chosen
};
ParsedFlow ParseFlowField(const QString& field, const QStringList& units);

// The number of an edit row; a "[°C]" after it is dropped.
QString ParseEditField(const QString& field);

} // namespace kelvara
