#pragma once
// What the uncertainty boxes of a figure are, worked out without showing anything: the reading of
// a typed common uncertainty, and the corners of every point's box with the notices the checks
// give on the way (same column for data and uncertainties, negative or zero per-point values).
// The figure page draws the boxes and shows the notices, in their order.
#include "common/Messages.h"

#include <QPointF>
#include <QString>
#include <span>
#include <vector>

class TF1Book;
struct danewykresu;

namespace tallox {

// A typed common uncertainty, after the number-text cleanup.
struct UncertaintyReading {
    enum class Outcome {
        Value,       // a number: the common uncertainty
        Column,      // a letter first: it names the column of per-point values ("C5" names C)
        Unreadable,  // neither: the notice says so and nothing is stored
    };
    Outcome outcome = Outcome::Unreadable;
    QString text;      // the cleaned text, which goes back into the field
    double value = 0;  // Value
    int column = 0;    // Column: 1 = A .. 26 = Z
    std::vector<Message> notices;
};
UncertaintyReading readUncertaintyText(const QString& typed);

// Opposite corners of one box; with one uncertainty only the box is a segment.
struct BoxCorners {
    QPointF first;
    QPointF second;
};

struct UncertaintyBoxes {
    // Box i belongs to point i. Empty when neither axis has an uncertainty, or when a column
    // check stopped the rebuild before the first box.
    std::vector<BoxCorners> boxes;
    std::vector<Message> notices;  // in the order the checks met them
    // The last per-point cell read (row, column); 0 when none was read.
    int lastRow = 0;
    int lastColumn = 0;
};

// The boxes of the figure's points (in plotting order) from its record. A per-point uncertainty
// of point i comes from worksheet row i + 1 of its column; an empty or text cell reads as 0.
UncertaintyBoxes computeUncertaintyBoxes(const danewykresu& figure, std::span<const QPointF> points,
                                         const TF1Book& sheet);

}  // namespace tallox
