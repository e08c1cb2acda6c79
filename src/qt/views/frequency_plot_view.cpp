// The frequency plot: the chip's outputs against time as step traces, with
// the panel's intended frequencies beside them. It follows the writes a few
// times a second while shown, drawing no more than a few points per pixel
// column whatever the hop rate; the wheel zooms in time, a drag pans, and
// Live (or a double click) follows the writes again.
#include "core/windows/frequency_plot_form.h"
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWheelEvent>

#include "core/windows/names/frequency_plot_controls.h"
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace zqf::qt {

namespace {

// How often the plot looks for new writes and draws them: often enough to
// scroll along, seldom enough that its repaints, on the thread the
// exercisers tick on, cost a fast hop little.
constexpr int follow_interval_ms = 100;

// The least height of a frequency axis, in MHz, so a steady output is a line
// in the middle rather than noise blown up.
constexpr double least_span_mhz = 0.001;

// A chart that turns the wheel into a zoom in time and a drag into a pan;
// what the user asked for goes to `moved` as the new time range.
class TimeChartView final : public QChartView {
  public:
    TimeChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
        setRenderHint(QPainter::Antialiasing, false);
        setCursor(Qt::OpenHandCursor);
    }

    std::function<void(double, double)> moved;
    std::function<void()> live;
    QValueAxis* time_axis = nullptr;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        const double steps = event->angleDelta().y() / 120.0;
        if (steps == 0.0 || time_axis == nullptr) {
            return;
        }
        const double factor = std::pow(0.8, steps);
        const double at = time_at(event->position().x());
        emit_range(at - (at - time_axis->min()) * factor, at + (time_axis->max() - at) * factor);
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            drag_from_ = event->position().x();
            setCursor(Qt::ClosedHandCursor);
        }
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!drag_from_ || time_axis == nullptr) {
            return;
        }
        const double shift = time_at(*drag_from_) - time_at(event->position().x());
        drag_from_ = event->position().x();
        emit_range(time_axis->min() + shift, time_axis->max() + shift);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        drag_from_.reset();
        setCursor(Qt::OpenHandCursor);
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (live) {
            live();
        }
        event->accept();
    }

  private:
    double time_at(double x) const {
        const QRectF area = chart()->plotArea();
        const double share = area.width() > 0.0 ? (x - area.left()) / area.width() : 0.0;
        return time_axis->min() + share * (time_axis->max() - time_axis->min());
    }
    void emit_range(double from, double to) {
        if (moved && to > from) {
            moved(from, to);
        }
    }

    std::optional<double> drag_from_;
};

// One output: the chip's trace and the panel's, on axes of their own, with
// what the axes show now, so they are told only of a change (a new range
// lays every label out again).
struct OutputChart {
    TimeChartView* view = nullptr;
    QLineSeries* chip = nullptr;
    QLineSeries* panel = nullptr;
    QValueAxis* time = nullptr;
    QValueAxis* mhz = nullptr;
    std::pair<double, double> time_range{0.0, 0.0};
    bool time_relative = false;
    std::pair<double, double> data_range{0.0, 0.0};
};

OutputChart make_chart(QWidget* parent, std::string_view name, const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setMargins(QMargins(4, 4, 4, 4));
    OutputChart out;
    out.panel = new QLineSeries(chart);
    out.panel->setName(QStringLiteral("panel read-out"));
    QPen dashed(QColor(230, 140, 0), 1.5, Qt::DashLine);
    out.panel->setPen(dashed);
    out.chip = new QLineSeries(chart);
    out.chip->setName(QStringLiteral("chip"));
    out.chip->setPen(QPen(QColor(0, 70, 200), 2.0));
    chart->addSeries(out.panel);
    chart->addSeries(out.chip);
    out.time = new QValueAxis(chart);
    out.time->setLabelFormat(QStringLiteral("%.3f"));
    out.mhz = new QValueAxis(chart);
    out.mhz->setTitleText(QStringLiteral("MHz"));
    out.mhz->setLabelFormat(QStringLiteral("%.6f"));
    chart->addAxis(out.time, Qt::AlignBottom);
    chart->addAxis(out.mhz, Qt::AlignLeft);
    for (QLineSeries* series : {out.panel, out.chip}) {
        series->attachAxis(out.time);
        series->attachAxis(out.mhz);
    }
    out.view = new TimeChartView(chart, parent);
    out.view->setObjectName(QString::fromLatin1(name));
    out.view->time_axis = out.time;
    out.view->setMinimumSize(640, 300);
    return out;
}

// The points in MHz against time from `origin_s`.
QList<QPointF> in_mhz(const std::vector<StepPoint>& points, double origin_s) {
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(points.size()));
    for (const StepPoint& point : points) {
        out.append(QPointF(point.time_s - origin_s, point.hz / 1e6));
    }
    return out;
}

class PlotView {
  public:
    PlotView(const FrequencyPlotForm& form, QWidget& body) : form_(form) {
        auto* column = new QVBoxLayout(&body);
        auto* top = new QHBoxLayout;
        top->addWidget(make_label(&body, frequency_plot_controls::lblSpan));
        QComboBox* span = make_list(&body, frequency_plot_controls::cboSpan);
        top->addWidget(span);
        QPushButton* live = make_button(&body, frequency_plot_controls::cmdLive);
        top->addWidget(live);
        top->addSpacing(12);
        QLabel* hint = make_label(&body, frequency_plot_controls::lblHint);
        top->addWidget(hint, 1);
        column->addLayout(top);
        charts_ = new QWidget(&body);
        charts_->setObjectName(QStringLiteral("plot_charts"));
        auto* stack = new QVBoxLayout(charts_);
        stack->setContentsMargins(0, 0, 0, 0);
        rf_ = make_chart(charts_, "rf_chart", QStringLiteral("RF output"));
        if_ = make_chart(charts_, "if_chart", QStringLiteral("IF output"));
        stack->addWidget(rf_.view, 1);
        stack->addWidget(if_.view, 1);
        column->addWidget(charts_, 1);
        if (auto* label = qobject_cast<QLabel*>(body.findChild<QLabel*>(
                QString::fromLatin1(frequency_plot_controls::lblSpan.text)))) {
            label->setBuddy(span);
        }
        QObject::connect(live, &QPushButton::clicked, &body, [this] { go_live(); });
        for (OutputChart* chart : {&rf_, &if_}) {
            chart->view->moved = [this](double from, double to) { hold(from, to); };
            chart->view->live = [this] { go_live(); };
        }
        refresh();
    }

    void refresh() {
        form_.follow();
        const FrequencyTrace& trace = form_.trace();
        if (live_) {
            to_ = trace.now_s();
            from_ = to_ - form_.span_s();
        }
        if_.view->setVisible(form_.has_if());
        draw(rf_, trace.chip_rf(), trace.panel_rf(), trace.now_s());
        if (form_.has_if()) {
            draw(if_, trace.chip_if(), trace.panel_if(), trace.now_s());
        }
    }

    // The plot as a picture, PNG bytes.
    std::optional<std::string> picture() const {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly) || !charts_->grab().save(&buffer, "PNG")) {
            return std::nullopt;
        }
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }

    QWidget* charts() const { return charts_; }

  private:
    // A range asked for on the time axis, which counts from now while live.
    void hold(double from, double to) {
        const double origin = live_ ? to_ : 0.0;
        live_ = false;
        from_ = from + origin;
        to_ = to + origin;
        refresh();
    }
    void go_live() {
        live_ = true;
        refresh();
    }

    void draw(OutputChart& chart, const StepTrace& chip, const StepTrace& panel, double now) {
        const int columns = std::max(1, static_cast<int>(chart.view->chart()->plotArea().width()));
        const double end = std::min(to_, now);
        const std::vector<StepPoint> chip_line = step_outline(chip, from_, end, columns);
        const std::vector<StepPoint> panel_line = step_outline(panel, from_, end, columns);
        // Following the writes, time runs up to now at 0, so the time axis
        // stands still and only the traces move.
        const double origin = live_ ? to_ : 0.0;
        chart.chip->replace(in_mhz(chip_line, origin));
        chart.panel->replace(in_mhz(panel_line, origin));
        show_time_axis(chart, from_ - origin, to_ - origin);
        double low = INFINITY;
        double high = -INFINITY;
        for (const auto* line : {&chip_line, &panel_line}) {
            for (const StepPoint& point : *line) {
                low = std::min(low, point.hz / 1e6);
                high = std::max(high, point.hz / 1e6);
            }
        }
        if (low > high || chart.data_range == std::pair(low, high)) {
            return;
        }
        chart.data_range = {low, high};
        const double margin = std::max((high - low) * 0.08, least_span_mhz / 2);
        chart.mhz->setRange(low - margin, high + margin);
        chart.mhz->applyNiceNumbers();
        // As many decimals as the ticks need to differ, at most to the hertz.
        const double tick =
            (chart.mhz->max() - chart.mhz->min()) / std::max(1, chart.mhz->tickCount() - 1);
        const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(tick))), 0, 6);
        chart.mhz->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) +
                                  QStringLiteral("f"));
    }

    void show_time_axis(OutputChart& chart, double from, double to) const {
        if (chart.time_relative != live_ || chart.time_range.first == chart.time_range.second) {
            chart.time_relative = live_;
            chart.time->setTitleText(live_ ? QStringLiteral("seconds before now")
                                           : QStringLiteral("time since start (s)"));
        }
        if (chart.time_range != std::pair(from, to)) {
            chart.time_range = {from, to};
            chart.time->setRange(from, to);
        }
    }

    const FrequencyPlotForm& form_;
    QWidget* charts_ = nullptr;
    OutputChart rf_;
    OutputChart if_;
    bool live_ = true;
    double from_ = 0.0;
    double to_ = 0.0;
};

} // namespace

ViewParts build_frequency_plot_view(const Form& form, QWidget& window) {
    const auto& plot = dynamic_cast<const FrequencyPlotForm&>(form);
    auto* body = new QWidget(&window);
    auto view = std::make_shared<PlotView>(plot, *body);
    QPointer<QWidget> guard(body);
    plot.set_picture([view, guard]() -> std::optional<std::string> {
        return guard ? view->picture() : std::nullopt;
    });
    refresh_while_shown(*body, follow_interval_ms, [view] { view->refresh(); });
    return beside_panel_parts(body, make_foot(window, {frequency_plot_controls::cmdExportPng,
                                                       frequency_plot_controls::cmdExportCsv,
                                                       frequency_plot_controls::cmdClose}));
}

} // namespace zqf::qt
