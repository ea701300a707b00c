// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: a Qt program that shows one empty window of the
// table's size and runs the event loop, built with the same flags as the game. Built a second
// time with one line of text on it, which costs it the font set-up any window with text pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(1008, 718);
#ifdef QUELVANE_BENCH_ONE_LINE
    QLabel line(QStringLiteral("Quelvane"), &window);
    line.move(20, 20);
#endif
    window.show();
    return application.exec();
}
