#include "main/input_check.h"

#include "grid/number_format.h"
#include "project/program_data.h"

namespace torvex {

namespace {

constexpr int kSand = 4;
constexpr int kSilt = 5;

QString Number(double value) { return FormatGeneral(value, 15); }

}  // namespace

QString InputCheckMessage(const TProgramData& project) {
    TGridTable* sections = project.Table(QStringLiteral("PileSect"));
    const int n = project.Increments;
    for (int r = 0; sections != nullptr && r < sections->RowCount(); ++r) {
        const int start = sections->Cell(0, r).Integer();
        const int end = sections->Cell(1, r).Integer();
        const QString tail = QStringLiteral(" of Wall Stiffness definition\ris greater than number of nodes defined, ") +
                             QString::number(n) +
                             QStringLiteral(".\rPlease check on Wall Properties Windows and Wall Stiffness Table");
        if (start > n) return QStringLiteral("Initial Node, ") + QString::number(start) + QStringLiteral(" in row ") + QString::number(r + 1) + tail;
        if (end > n) return QStringLiteral("End Node, ") + QString::number(end) + QStringLiteral(" in row ") + QString::number(r + 1) + tail;
    }

    const double slope = project.BackfillSlope;
    if (!(slope > 0)) return QString();
    TGridTable* soil = project.Table(QStringLiteral("NewSoil"));
    for (int j = 0; soil != nullptr && j < soil->RowCount(); ++j) {
        const int type = soil->Cell(0, j).Integer();
        if (type != kSand && type != kSilt) continue;
        TGridTable* parameters = soil->Cell(2, j).SubTable();
        if (parameters == nullptr || parameters->RowCount() < 1) continue;
        // Row 1 is the top of the layer; column 2 its friction angle.
        const double phi = parameters->Cell(1, 0).Real();
        if (phi >= slope) continue;
        const QString layer = QString::number(j + 1);
        if (type == kSand)
            return QStringLiteral("Slope of the Backfill: ") + Number(slope) + QStringLiteral(" deg.\ris greater than friction angle, ") +
                   Number(phi) + QStringLiteral(" deg.,\rin layer ") + layer +
                   QStringLiteral("\rPlease check on Wall Configuration and Soil Layers Windows");
        return QStringLiteral("Slope of the Backfill: ") + Number(slope) + QStringLiteral("\ris greater than friction angle, ") +
               Number(phi) + QStringLiteral(",\rin layer ") + layer + QStringLiteral("\rPlease check Soil Layers");
    }
    return QString();
}

}  // namespace torvex
