#pragma once

#include "drawing/DrawingViewController.h"
#include "drawing/TransparentWindow.h"

#include <QObject>
#include <memory>

// Owns the overlay window and its content controller.
class MainWindowController : public QObject {
    Q_OBJECT
public:
    MainWindowController(PreferenceStore &preferences, ScreenDaemon &screens,
                         DrawingHooks &hooks = DrawingHooks::shared(), QObject *parent = nullptr);
    ~MainWindowController() override;

    TransparentWindow *window() const { return m_window.get(); }
    DrawingViewController &contentViewController() { return m_content; }

    void showWindow(QObject *sender = nullptr);

private:
    ScreenDaemon &m_screens;
    std::unique_ptr<TransparentWindow> m_window;
    DrawingViewController m_content;
};
