#pragma once

#include <QLabel>

// The countdown's reading. A screen reader finds it as "Time left" with the reading as its
// text and the remaining seconds as its value, and hears every change.
class TimeLabel : public QLabel {
    Q_OBJECT
public:
    explicit TimeLabel(QWidget *parent = nullptr);

    // Shows `seconds` as hours:minutes:seconds.
    void setReading(qint64 seconds);
    qint64 reading() const { return m_seconds; }

private:
    qint64 m_seconds = 0;
};
