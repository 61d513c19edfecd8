#pragma once

#include <QString>
#include <QWidget>

// The media player's display: the video beside or above a status panel.

// The status panel: a dark strip with the media's name and time on the first
// line and the state on the second. With room for one line only it keeps the
// state and the time, which matter more than the name.
class MediaStatusPanel : public QWidget
{
public:
    explicit MediaStatusPanel(QWidget *parent) : QWidget(parent)
    {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void setTitle(const QString &title) { change(m_title, title); }
    void setTime(const QString &time) { change(m_time, time); }
    void setStatus(const QString &status, bool isError)
    {
        if (status == m_status && isError == m_isError)
            return;
        m_status = status;
        m_isError = isError;
        setToolTip(m_title.isEmpty() ? status : m_title + QLatin1Char('\n') + status);
        update();
    }
    QString status() const { return m_status; }

    QSize sizeHint() const override { return {200, 2 * lineHeight() + 2 * kPad}; }
    QSize minimumSizeHint() const override { return {60, lineHeight() + 2}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    static constexpr int kPad = 2;

    int lineHeight() const { return QFontMetrics(font()).height(); }
    void change(QString &field, const QString &value)
    {
        if (field != value) {
            field = value;
            update();
        }
    }

    QString m_title;
    QString m_time;
    QString m_status;
    bool m_isError = false;
};

// The display: the video and the status panel. Short (the usual case in the
// main window) puts the video at its own aspect left of the panel; tall puts
// it above a panel of one or two lines.
class MediaDisplayArea : public QWidget
{
public:
    MediaDisplayArea(QWidget *video, MediaStatusPanel *panel, QWidget *parent)
        : QWidget(parent), m_video(video), m_panel(panel)
    {
        video->setParent(this);
        panel->setParent(this);
        video->hide();
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void setVideoShown(bool shown)
    {
        m_videoShown = shown;
        relayout();
    }
    void setVideoAspect(double aspect)
    {
        if (aspect > 0.1 && aspect < 10.0) {
            m_aspect = aspect;
            relayout();
        }
    }

    QSize sizeHint() const override { return m_panel->sizeHint(); }
    QSize minimumSizeHint() const override { return m_panel->minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent *) override { relayout(); }

private:
    void relayout();

    QWidget *m_video;
    MediaStatusPanel *m_panel;
    bool m_videoShown = false;
    double m_aspect = 16.0 / 9.0;
};
