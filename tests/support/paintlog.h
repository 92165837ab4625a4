#pragma once

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <cmath>
#include <memory>
#include <vector>

/// A paint device that keeps what is painted on it instead of pixels: every
/// line, ellipse, text and shape, in device coordinates, with the width of
/// its pen, its colour and, for a text, its font. Tests read what a
/// picture is made of.
class PaintLog : public QPaintDevice {
public:
    struct Stroke {
        enum class Kind { Line, Ellipse, Text, Polyline, Polygon, Rect, Path, Point };
        Kind kind;
        QRectF bounds;    ///< of the geometry, the pen left out
        QLineF line;      ///< Line
        double width = 0; ///< the pen's width in device pixels; 0 when no pen
        QColor colour;    ///< the pen's colour, or the fill's when there is no pen
        QString text;     ///< Text
        QFont font;       ///< Text: its pixel size in device pixels
        QPointF baseline; ///< Text: the start of its base line
    };

    explicit PaintLog(QSize size)
        : m_size(size)
        , m_engine(std::make_unique<Engine>(*this)) {}

    std::vector<Stroke> strokes;

    std::vector<Stroke> ofKind(Stroke::Kind kind) const {
        std::vector<Stroke> found;
        for (const Stroke& s : strokes)
            if (s.kind == kind) found.push_back(s);
        return found;
    }

    /// The box a text's letters take, its blanks left out.
    static QRectF inkBox(const Stroke& s) {
        const QFontMetricsF metrics(s.font);
        const QString trimmed = s.text.trimmed();
        const qsizetype lead = trimmed.isEmpty() ? 0 : s.text.indexOf(trimmed.front());
        const double left = s.baseline.x() + metrics.horizontalAdvance(s.text.left(lead));
        return {QPointF(left, s.baseline.y() - metrics.ascent()),
                QSizeF(metrics.horizontalAdvance(trimmed), metrics.height())};
    }

    QPaintEngine* paintEngine() const override { return m_engine.get(); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return qRound(m_size.width() * 25.4 / 96);
        case PdmHeightMM:
            return qRound(m_size.height() * 25.4 / 96);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(PaintLog& log)
            : QPaintEngine(QPaintEngine::AllFeatures)
            , m_log(log) {}

        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }

        void updateState(const QPaintEngineState& state) override {
            const DirtyFlags dirty = state.state();
            if (dirty & DirtyPen) m_pen = state.pen();
            if (dirty & DirtyBrush) m_brush = state.brush();
            if (dirty & DirtyFont) m_font = state.font();
            if (dirty & DirtyTransform) m_transform = state.transform();
        }

        void drawLines(const QLineF* lines, int count) override {
            for (int i = 0; i < count; ++i) {
                Stroke s = stroke(Stroke::Kind::Line, QRectF(lines[i].p1(), lines[i].p2()));
                s.line = m_transform.map(lines[i]);
                m_log.strokes.push_back(s);
            }
        }
        void drawEllipse(const QRectF& r) override {
            m_log.strokes.push_back(stroke(Stroke::Kind::Ellipse, r));
        }
        void drawRects(const QRectF* rects, int count) override {
            for (int i = 0; i < count; ++i)
                m_log.strokes.push_back(stroke(Stroke::Kind::Rect, rects[i]));
        }
        void drawPoints(const QPointF* points, int count) override {
            for (int i = 0; i < count; ++i)
                m_log.strokes.push_back(stroke(Stroke::Kind::Point, QRectF(points[i], QSizeF())));
        }
        void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
            QPolygonF polygon;
            for (int i = 0; i < count; ++i)
                polygon << points[i];
            m_log.strokes.push_back(
                stroke(mode == PolylineMode ? Stroke::Kind::Polyline : Stroke::Kind::Polygon,
                       polygon.boundingRect()));
        }
        void drawPath(const QPainterPath& path) override {
            m_log.strokes.push_back(stroke(Stroke::Kind::Path, path.boundingRect()));
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            Stroke s = stroke(Stroke::Kind::Text, QRectF(p, QSizeF()));
            s.text = item.text();
            s.font = item.font();
            const double pixels =
                s.font.pixelSize() > 0 ? s.font.pixelSize() : s.font.pointSizeF() * 96 / 72;
            s.font.setPixelSize(qRound(pixels * scale()));
            s.baseline = m_transform.map(p);
            m_log.strokes.push_back(s);
        }

    private:
        double scale() const { return std::sqrt(std::fabs(m_transform.determinant())); }

        Stroke stroke(Stroke::Kind kind, const QRectF& geometry) const {
            Stroke s{kind, m_transform.mapRect(geometry.normalized()), {}, 0, {}, {}, {}, {}};
            const bool pen = m_pen.style() != Qt::NoPen;
            s.width = pen ? (m_pen.widthF() == 0 ? 1.0 : m_pen.widthF() * scale()) : 0.0;
            s.colour = pen ? m_pen.color() : m_brush.color();
            return s;
        }

        PaintLog& m_log;
        QPen m_pen;
        QBrush m_brush;
        QFont m_font;
        QTransform m_transform;
    };

    QSize m_size;
    std::unique_ptr<Engine> m_engine;
};
