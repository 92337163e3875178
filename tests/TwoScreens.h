#pragma once

#include <QApplication>
#include <QTemporaryFile>
#include <QTest>

// Runs a Qt Test object on the offscreen platform with two 800x600 screens side by side,
// LEFT at (0,0) and RIGHT at (800,0).
template <typename Test> int runWithTwoScreens(int argc, char *argv[]) {
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({"screens": [
        {"name": "LEFT", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "RIGHT", "x": 800, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
