#pragma once

#include <QLayout>

#include <vector>

namespace zqf::qt {

// A grid of equal columns that fills in reading order with the visible items
// only, so a control hidden for one device leaves no hole in the panel.
// Columns are equally wide, or, when not uniform, each as wide as its widest
// shown item.
class PackedGridLayout : public QLayout {
  public:
    explicit PackedGridLayout(int columns, QWidget* parent = nullptr);
    void set_uniform_columns(bool uniform) { uniform_ = uniform; }
    ~PackedGridLayout() override;
    PackedGridLayout(const PackedGridLayout&) = delete;
    PackedGridLayout& operator=(const PackedGridLayout&) = delete;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override { return {}; }

  private:
    std::vector<QLayoutItem*> visible_items() const;
    QSize cell_size() const;
    // The width of each column and the height of a row.
    std::vector<int> column_widths() const;
    QSize measure() const;

    std::vector<QLayoutItem*> items_;
    int columns_;
    bool uniform_ = true;
};

} // namespace zqf::qt
