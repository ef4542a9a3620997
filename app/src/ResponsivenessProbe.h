#ifndef VELTMAR_RESPONSIVENESSPROBE_H
#define VELTMAR_RESPONSIVENESSPROBE_H

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <vector>

// Measures how late the event loop runs a 10 ms timer: a window that keeps up with its feed
// runs it within a few milliseconds; one that is swamped runs it late. Used when the program
// is measured under load (--measure); it costs one timer event per 10 ms.
class ResponsivenessProbe : public QObject {
    Q_OBJECT
public:
    explicit ResponsivenessProbe(int intervalMs = 10, QObject* parent = nullptr);

    void start();
    void stop();

    // Lateness of the ticks (ms beyond the interval), and its percentiles (0 to 100).
    const std::vector<double>& lateness() const { return _lateness; }
    double percentile(double p) const;
    double maximum() const;
    int ticks() const { return static_cast<int>(_lateness.size()); }

    // CPU time of the whole process so far, in seconds.
    static double processCpuSeconds();

private:
    void tick();

    int _intervalMs;
    QTimer _timer;
    QElapsedTimer _clock;
    qint64 _last = -1;
    std::vector<double> _lateness;
};

#endif  // VELTMAR_RESPONSIVENESSPROBE_H
