#pragma once

// Small helpers shared by the screen tests: the person's keyboard, reading grids and finding
// the screens' widgets by name.

#include "LedgerFixture.h"
#include "controls/FlexGrid.h"

#include <QApplication>
#include <QtTest>
#include <initializer_list>

namespace ledgora::test {

inline QWidget* focused() {
    return QApplication::focusWidget();
}
inline void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(focused(), k, mods);
}
inline void keys(std::initializer_list<Qt::Key> ks) {
    for (Qt::Key k : ks)
        key(k);
}
// Types into the focused box (its text is selected on entering it). Letters beyond ASCII come
// from their own keys, as on a Spanish keyboard.
inline void type(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(focused(), char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}
template <typename T = QWidget> T* child(const QObject* screen, const char* name) {
    auto* found = screen->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}
// The cells of a grid's column below its heading.
inline QStringList column(const FlexGrid& grid, int col) {
    QStringList cells;
    for (int r = 1; r < grid.rows(); ++r)
        cells << grid.textMatrix(r, col);
    return cells;
}
// Shows a screen and makes it the active window, as the person finds it.
inline bool showActive(QWidget& screen) {
    screen.show();
    QApplication::setActiveWindow(&screen);
    return QTest::qWaitForWindowActive(&screen);
}
inline void addConcept(const QString& number, const QString& description, const QString& type) {
    execute(*gManejo, QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values "
                                     "('%1','%2','%3')")
                          .arg(number, description, type));
}

} // namespace ledgora::test
