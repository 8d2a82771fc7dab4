#include "LedgerFixture.h"
#include "TestSupport.h"
#include "controls/FlexGrid.h"
#include "platform/ControlTag.h"
#include "platform/Twips.h"
#include "screens/FrmABMConceptos.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}
void key(Qt::Key k) {
    QTest::keyClick(focused(), k);
}
void type(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(focused(), char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}

QStringList column(const FlexGrid& grid, int col) {
    QStringList cells;
    for (int r = 1; r < grid.rows(); ++r)
        cells << grid.textMatrix(r, col);
    return cells;
}

} // namespace

// The concept list kept from the keyboard: the proposed numbers, adding and changing in the
// panel below the grid, the checks and their messages, and deletion.
class TstConcepts : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmABMConceptos> screen_;

    void addConcept(const QString& number, const QString& description, const char* type) {
        execute(*gManejo,
                QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values ('%1','%2',"
                               "'%3')")
                    .arg(number, description, QString::fromLatin1(type)));
    }
    // Every stored concept as "number|description|type", in description order.
    QStringList stored() {
        Recordset rs = query(*gManejo, QStringLiteral("select * from BANCON order by CONSTDSC"));
        QStringList rows;
        for (; !rs.Eof(); rs.MoveNext())
            rows << rt::toText(rs.Fields(0)) + u'|' + rt::toText(rs.Fields(1)) + u'|' +
                        rt::toText(rs.Fields(2));
        return rows;
    }
    FrmABMConceptos& open() {
        screen_ = std::make_unique<FrmABMConceptos>();
        screen_->load();
        screen_->show();
        QApplication::setActiveWindow(screen_.get());
        if (!QTest::qWaitForWindowActive(screen_.get()))
            qWarning("concept screen not active");
        grid().setFocus();
        return *screen_;
    }
    template <typename T> T* child(const char* name) {
        return screen_->findChild<T*>(QString::fromLatin1(name));
    }
    FlexGrid& grid() { return *child<FlexGrid>("lstCON"); }
    QLineEdit& number() { return *child<QLineEdit>("txtCONTSTNRO"); }
    QLineEdit& description() { return *child<QLineEdit>("txtCONSTDSC"); }
    QComboBox& typeList() { return *child<QComboBox>("cbCONSTTIP"); }
    QString mode() { return controlTag(screen_.get()); }
    // The panel open (window tall, legend lower) or closed.
    bool panelOpen() {
        const bool open = screen_->height() == Twips::toPixelsY(4425) &&
                          child<QLabel>("lbKEY")->y() == Twips::toPixelsY(4140) &&
                          child<QFrame>("Frame1")->isVisible() &&
                          grid().focusPolicy() == Qt::ClickFocus;
        const bool closed = screen_->height() == Twips::toPixelsY(2985) &&
                            child<QLabel>("lbKEY")->y() == Twips::toPixelsY(2700) &&
                            !child<QFrame>("Frame1")->isVisible() &&
                            grid().focusPolicy() == Qt::StrongFocus;
        if (open == closed)
            qWarning("the panel is neither open nor closed");
        return open;
    }
    void save() {
        child<QPushButton>("Command1")->setFocus();
        key(Qt::Key_Return);
    }

private Q_SLOTS:
    void init() { data_ = std::make_unique<LedgerFixture>(); }
    void cleanup() {
        screen_.reset();
        data_.reset();
    }

    void theListAndTheProposedNumber() {
        for (int n = 1; n <= 7; ++n)
            addConcept(QString::number(n), QStringLiteral("Concepto %1").arg(8 - n),
                       n % 2 ? "C" : "D");
        PointerRecorder pointer;
        open();
        QVERIFY(screen_->windowTitle().trimmed().isEmpty());
        QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("CONCEPTOS"));
        QCOMPARE(child<QLabel>("lbKEY")->text(),
                 QStringLiteral("INSERT (Agregar) - ENTER (Modificar) - DELETE (Eliminar)"));
        QCOMPARE(grid().textMatrix(0, 0), QStringLiteral("NRO"));
        QCOMPARE(grid().textMatrix(0, 1), QStringLiteral("DESCRIPCION"));
        QCOMPARE(grid().textMatrix(0, 2), QStringLiteral("ESTADO"));
        QCOMPARE(grid().colWidth(1), 2000);
        QCOMPARE(grid().colWidth(2), 2000);
        QCOMPARE(column(grid(), 0), QStringList({"7", "6", "5", "4", "3", "2", "1"}));
        QCOMPARE(column(grid(), 2), QStringList({"C", "D", "C", "D", "C", "D", "C"}));
        QCOMPARE(grid().row(), 1);
        QCOMPARE(grid().colSel(), 2);
        QVERIFY(!panelOpen());
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
        // INSERT shows the proposal; the description and type keep what the panel last held.
        description().setText(QStringLiteral("queda"));
        typeList().setCurrentIndex(1);
        QTest::keyClick(&grid(), Qt::Key_Insert);
        QVERIFY(panelOpen());
        QCOMPARE(mode(), QStringLiteral("A"));
        QCOMPARE(focused(), &number());
        QCOMPARE(number().text(), QStringLiteral("8"));
        QCOMPARE(description().text(), QStringLiteral("queda"));
        QCOMPARE(typeList().currentText(), QStringLiteral("DEBITO"));
    }

    // A whole concept from the keyboard: ENTER walks number and description, ENTER in the
    // type list goes back to the description, TAB reaches "Guardar" and ENTER saves.
    void aNewConceptTypedFromTheKeyboard() {
        addConcept(QStringLiteral("1"), QStringLiteral("Depósitos"), "C");
        PointerRecorder pointer;
        open();
        QTest::keyClick(&grid(), Qt::Key_Insert);
        type(QStringLiteral("0012"));
        key(Qt::Key_Return);
        QCOMPARE(focused(), &description());
        type(QStringLiteral("  Comisión "));
        key(Qt::Key_Return);
        QCOMPARE(focused(), &typeList());
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        QCOMPARE(focused(), &description());
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), child<QPushButton>("Command1"));
        key(Qt::Key_Return);
        QVERIFY(!panelOpen());
        // Stored as typed: the number's zeros and the description's blanks stay.
        QCOMPARE(stored(), QStringList({"0012|  Comisión |D", "1|Depósitos|C"}));
        QCOMPARE(column(grid(), 0), QStringList({"0012", "1"}));
        QCOMPARE(number().text(), QStringLiteral("13")); // from the numeric values
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
    }

    void theFirstConceptOnAnEmptyTable() {
        MessageRecorder messages;
        open();
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(number().text(), QStringLiteral("1"));
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Delete})
            QTest::keyClick(&grid(), k);
        QVERIFY(!panelOpen());
        QTest::keyClick(&grid(), Qt::Key_Insert);
        key(Qt::Key_Return);
        type(QStringLiteral("Intereses"));
        save();
        QVERIFY(messages.boxes.empty());
        QCOMPARE(stored(), QStringList{"1|Intereses|C"});
        QCOMPARE(column(grid(), 1), QStringList{"Intereses"});
        QCOMPARE(number().text(), QStringLiteral("2"));
    }

    void enterChangesTheConceptOfTheCurrentRow() {
        addConcept(QStringLiteral("1"), QStringLiteral("Alquiler"), "D");
        addConcept(QStringLiteral("2"), QStringLiteral("Banco"), "C");
        open();
        QTest::keyClick(&grid(), Qt::Key_Down);
        QTest::keyClick(&grid(), Qt::Key_Return);
        QCOMPARE(mode(), QStringLiteral("M"));
        QVERIFY(panelOpen());
        QCOMPARE(number().text(), QStringLiteral("2"));
        QVERIFY(!number().isEnabled());
        QCOMPARE(description().text(), QStringLiteral("Banco"));
        QCOMPARE(typeList().currentText(), QStringLiteral("CREDITO"));
        QCOMPARE(focused(), &description());
        type(QStringLiteral("Banco Nación"));
        key(Qt::Key_Return);
        key(Qt::Key_Down);
        key(Qt::Key_Tab);
        key(Qt::Key_Return);
        QVERIFY(!panelOpen());
        QCOMPARE(stored(), QStringList({"1|Alquiler|D", "2|Banco Nación|D"}));
        QCOMPARE(column(grid(), 2), QStringList({"D", "D"}));
        QCOMPARE(mode(), QStringLiteral("M")); // the mode outlives the panel
        // The number box is open again for the next concept.
        QTest::keyClick(&grid(), Qt::Key_Insert);
        QVERIFY(number().isEnabled());
        QCOMPARE(focused(), &number());
        QCOMPARE(number().text(), QStringLiteral("3"));
    }

    void theChecksKeepThePanelOpenAndWriteNothing() {
        addConcept(QStringLiteral("3"), QStringLiteral("Tres"), "C");
        MessageRecorder messages;
        PointerRecorder pointer;
        open();
        QTest::keyClick(&grid(), Qt::Key_Insert);
        type(QStringLiteral("A1"));
        save();
        QCOMPARE(focused(), &number());
        type(QStringLiteral("9")); // digits only
        key(Qt::Key_Return);
        type(QStringLiteral("   "));
        save();
        QCOMPARE(focused(), &description());
        type(QStringLiteral("Nueve"));
        typeList().setCurrentIndex(-1);
        save();
        QCOMPARE(messages.prompts(),
                 QStringList({QStringLiteral("Debe ingresar un valor Númerico"),
                              QStringLiteral("Debe ingresar una DESCRIPCIÓN"),
                              QStringLiteral("Debe seleccionar un TIPO DE CONCEPTO")}));
        for (const auto& box : messages.boxes)
            QCOMPARE(box.icon, MsgIcon::Exclamation);
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
        QVERIFY(panelOpen());
        QCOMPARE(mode(), QStringLiteral("A"));
        QCOMPARE(stored(), QStringList{"3|Tres|C"});

        // A typed quote never reaches the table; the database's refusal is reported.
        typeList().setCurrentIndex(0);
        description().setText(QStringLiteral("O'Higgins"));
        save();
        QCOMPARE(messages.boxes.back().prompt,
                 QStringLiteral("-2147217900 / Error de sintaxis en la instrucción SQL.\r\n\r\n"
                                "Seccion ABMConceptos.PP_AGREGARf"));
        QCOMPARE(messages.boxes.back().icon, MsgIcon::Critical);
        // A number that already exists: told in the database's words, the typing kept.
        number().setText(QStringLiteral("3"));
        description().setText(QStringLiteral("Otro tres"));
        save();
        QVERIFY(messages.boxes.back().prompt.contains(QStringLiteral("duplicados")));
        QVERIFY(messages.boxes.back().prompt.endsWith(
            QStringLiteral("\r\n\r\nSeccion ABMConceptos.PP_AGREGARf")));
        QCOMPARE(focused(), &number());
        QCOMPARE(description().text(), QStringLiteral("Otro tres"));
        QVERIFY(panelOpen());
        QCOMPARE(stored(), QStringList{"3|Tres|C"});
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);

        // The next number after 9999 is proposed whole, though longer than a typed one.
        number().setText(QStringLiteral("9999"));
        save();
        QCOMPARE(number().text(), QStringLiteral("10000"));
    }

    void deleteRemovesTheRowWithoutReloading() {
        for (const char* n : {"1", "2", "7"})
            addConcept(QString::fromLatin1(n), QStringLiteral("C") + QString::fromLatin1(n), "C");
        MessageRecorder messages;
        open();
        addConcept(QStringLiteral("5"), QStringLiteral("C5"), "D"); // behind the screen's back
        QTest::keyClick(&grid(), Qt::Key_Delete);                   // answered No
        QCOMPARE(messages.boxes[0].prompt,
                 QStringLiteral("Confirma eliminar el item seleccionado"));
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Question);
        QCOMPARE(messages.boxes[0].buttons, MsgButtons::YesNo);
        QCOMPARE(grid().rows(), 4);
        messages.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        QTest::keyClick(&grid(), Qt::Key_End);
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QTest::keyClick(&grid(), Qt::Key_Home);
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(column(grid(), 0), QStringList{"2"});
        QCOMPARE(grid().row(), 1);
        QCOMPARE(grid().colSel(), 2);
        QCOMPARE(stored(), QStringList({"2|C2|C", "5|C5|D"}));
        QCOMPARE(number().text(), QStringLiteral("8"));
        QCOMPARE(messages.boxes.size(), std::size_t(3));

        // A concept already gone: nothing deleted, and said so.
        execute(*gManejo, QStringLiteral("DELETE FROM BANCON WHERE CONSTNRO = '2'"));
        messages.answers = {MsgAnswer::Yes};
        QTest::keyClick(&grid(), Qt::Key_Delete);
        QCOMPARE(messages.boxes.back().prompt, QStringLiteral("No se elimino ningun registro"));
        QCOMPARE(messages.boxes.back().icon, MsgIcon::Critical);
        QCOMPARE(grid().rows(), 2);
    }

    void savingAChangeToAConceptThatIsGoneSaysSo() {
        addConcept(QStringLiteral("4"), QStringLiteral("Cuatro"), "C");
        MessageRecorder messages;
        open();
        QTest::keyClick(&grid(), Qt::Key_Return);
        execute(*gManejo, QStringLiteral("DELETE FROM BANCON WHERE CONSTNRO = '4'"));
        description().setText(QStringLiteral("Cuatro bis"));
        save();
        QCOMPARE(messages.prompts(),
                 QStringList{QStringLiteral("No se modificó ningún concepto.")});
        QVERIFY(panelOpen());
        QCOMPARE(description().text(), QStringLiteral("Cuatro bis"));
        QVERIFY(stored().isEmpty());
    }

    void escapeLeavesAtOnceWithoutSaving() {
        open();
        QTest::keyClick(&grid(), Qt::Key_Insert);
        type(QStringLiteral("5"));
        key(Qt::Key_Return);
        type(QStringLiteral("Sin guardar"));
        key(Qt::Key_Escape);
        QVERIFY(!screen_->isLoaded());
        QVERIFY(stored().isEmpty());
    }
};

QTEST_MAIN(TstConcepts)
#include "tst_concepts.moc"
