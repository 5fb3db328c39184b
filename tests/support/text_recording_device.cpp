#include "text_recording_device.h"

#include <QList>
#include <climits>
#include <cmath>

class TextRecordingDevice::Engine : public QPaintEngine {
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawRects(const QRectF *, int) override {}
    void drawLines(const QLineF *, int) override {}
    Type type() const override { return QPaintEngine::User; }

    // A run that starts where the last one ended, on its baseline and under the same
    // transform, continues the same drawText call (another font, another script).
    void drawTextItem(const QPointF &at, const QTextItem &item) override {
        const QTransform transform = state ? state->transform() : QTransform();
        const bool continues = !runs.isEmpty() && runs.last().transform == transform &&
                               std::abs(runs.last().y - at.y()) < 0.01 &&
                               std::abs(runs.last().end - at.x()) < 0.5;
        if (continues) {
            runs.last().text += item.text();
            runs.last().end = at.x() + item.width();
        } else {
            runs.append({item.text(), at.y(), at.x() + item.width(), transform});
        }
    }

    struct Run {
        QString text;
        double y;
        double end;
        QTransform transform;
    };
    QList<Run> runs;
};

TextRecordingDevice::TextRecordingDevice(const QSize &pixels)
    : m_size(pixels), m_engine(std::make_unique<Engine>()) {}

TextRecordingDevice::~TextRecordingDevice() = default;

QPaintEngine *TextRecordingDevice::paintEngine() const {
    return m_engine.get();
}

QStringList TextRecordingDevice::lines() const {
    QStringList result;
    for (const Engine::Run &run : std::as_const(m_engine->runs))
        result << run.text;
    return result;
}

int TextRecordingDevice::metric(PaintDeviceMetric metric) const {
    constexpr int Dpi = 96;
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return int(std::lround(m_size.width() * 25.4 / Dpi));
    case PdmHeightMM:
        return int(std::lround(m_size.height() * 25.4 / Dpi));
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return Dpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return 0;
    }
}
