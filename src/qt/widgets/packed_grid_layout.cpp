#include "qt/widgets/packed_grid_layout.h"

#include <QWidget>

#include <algorithm>

namespace zqf::qt {

PackedGridLayout::PackedGridLayout(int columns, QWidget* parent)
    : QLayout(parent), columns_(std::max(1, columns)) {
    setSpacing(6);
}

PackedGridLayout::~PackedGridLayout() {
    for (QLayoutItem* item : items_) {
        delete item;
    }
}

void PackedGridLayout::addItem(QLayoutItem* item) {
    items_.push_back(item);
}

QLayoutItem* PackedGridLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)] : nullptr;
}

QLayoutItem* PackedGridLayout::takeAt(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    QLayoutItem* item = items_[static_cast<std::size_t>(index)];
    items_.erase(items_.begin() + index);
    return item;
}

std::vector<QLayoutItem*> PackedGridLayout::visible_items() const {
    std::vector<QLayoutItem*> out;
    std::copy_if(items_.begin(), items_.end(), std::back_inserter(out),
                 [](const QLayoutItem* item) { return !item->isEmpty(); });
    return out;
}

QSize PackedGridLayout::cell_size() const {
    // Every item of the grid counts, shown or not, so the columns keep their
    // width whichever device hides which switch.
    QSize cell;
    for (const QLayoutItem* item : items_) {
        const QWidget* widget = item->widget();
        const QSize hint = widget != nullptr ? widget->sizeHint().expandedTo(widget->minimumSize())
                                             : item->sizeHint();
        cell = cell.expandedTo(hint);
    }
    return cell;
}

std::vector<int> PackedGridLayout::column_widths() const {
    const QSize cell = cell_size();
    std::vector<int> widths(static_cast<std::size_t>(columns_), uniform_ ? cell.width() : 0);
    if (uniform_) {
        return widths;
    }
    int index = 0;
    for (const QLayoutItem* item : visible_items()) {
        int& width = widths[static_cast<std::size_t>(index++ % columns_)];
        width = std::max(width, item->sizeHint().width());
    }
    return widths;
}

QSize PackedGridLayout::measure() const {
    const int shown = static_cast<int>(visible_items().size());
    const QMargins m = contentsMargins();
    if (shown == 0) {
        return {m.left() + m.right(), m.top() + m.bottom()};
    }
    const std::vector<int> widths = column_widths();
    const int rows = (shown + columns_ - 1) / columns_;
    int width = (columns_ - 1) * spacing();
    for (const int w : widths) {
        width += w;
    }
    const int height = rows * cell_size().height() + (rows - 1) * spacing();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

QSize PackedGridLayout::sizeHint() const {
    return measure();
}

QSize PackedGridLayout::minimumSize() const {
    return measure();
}

void PackedGridLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int row_height = cell_size().height();
    std::vector<int> widths = column_widths();
    // Room to spare goes to the columns evenly.
    const int spare =
        area.width() - measure().width() + contentsMargins().left() + contentsMargins().right();
    for (int& width : widths) {
        width += std::max(0, spare) / columns_;
    }
    int index = 0;
    int x = area.left();
    for (QLayoutItem* item : visible_items()) {
        const int column = index % columns_;
        const int row = index / columns_;
        if (column == 0) {
            x = area.left();
        }
        const int width = widths[static_cast<std::size_t>(column)];
        item->setGeometry(QRect(x, area.top() + row * (row_height + spacing()), width, row_height));
        x += width + spacing();
        ++index;
    }
}

} // namespace zqf::qt
