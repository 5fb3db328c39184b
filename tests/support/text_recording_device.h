#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QSize>
#include <QStringList>
#include <QTransform>
#include <memory>

// A page that keeps only the text painted on it: each drawText call becomes one line,
// in the order painted, however the font machinery splits it into runs. Its resolution
// is 96 dots per inch.
class TextRecordingDevice : public QPaintDevice {
public:
    explicit TextRecordingDevice(const QSize &pixels);
    ~TextRecordingDevice() override;

    QPaintEngine *paintEngine() const override;
    // The lines of text painted so far.
    QStringList lines() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    std::unique_ptr<Engine> m_engine;
};
