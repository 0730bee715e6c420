#include "reference/ui/five_element_analogies_window.h"

#include "reference/five_element_analogies.h"
#include "reference/ui/reference_grid_widget.h"

namespace {

const QColor kCream(255, 251, 240);
constexpr int kRowHeight = 28;  // two lines of a wrapped header

}  // namespace

TFormTable6::TFormTable6(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Аналогии у син"), parent) {
    Grid = new TReferenceGrid(kRowHeight);
    TReferenceGrid::TextStyle header;
    header.bold = true;
    header.band = kCream;
    header.wrap = true;
    for (int c = 0; c < kAnalogyColumns; ++c)
        Grid->AddText(0, c, QString::fromUtf8(AnalogyHeader[static_cast<std::size_t>(c)]), header);
    for (int r = 0; r < kAnalogyRows; ++r)
        for (int c = 0; c < kAnalogyColumns; ++c)
            Grid->AddText(r + 1, c,
                          QString::fromUtf8(AnalogyTable[static_cast<std::size_t>(r)]
                                                        [static_cast<std::size_t>(c)]));
    ScrolledContent(Grid, Qt::AlignLeft | Qt::AlignTop);
    resize(459, 207);
}
