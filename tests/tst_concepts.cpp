#include "LedgerTests.h"
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
using namespace Qt::StringLiterals;

// The concept list kept from the keyboard: the proposed numbers, adding and changing in the
// panel below the grid, the checks and their messages, and deletion.
class TstConcepts : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmABMConceptos> screen_;

    // Every stored concept as "number|description|type", in description order.
    QStringList stored() {
        return sqliteRows(data_->path(),
                          u"select CONSTNRO,CONSTDSC,CONSTTIP from BANCON order by CONSTDSC"_s);
    }
    void open() {
        screen_ = std::make_unique<FrmABMConceptos>();
        screen_->load();
        if (!showActive(*screen_))
            qWarning("concept screen not active");
        grid().setFocus();
    }
    FlexGrid& grid() { return *child<FlexGrid>(screen_.get(), "lstCON"); }
    QLineEdit& number() { return *child<QLineEdit>(screen_.get(), "txtCONTSTNRO"); }
    QLineEdit& description() { return *child<QLineEdit>(screen_.get(), "txtCONSTDSC"); }
    QComboBox& typeList() { return *child<QComboBox>(screen_.get(), "cbCONSTTIP"); }
    QString mode() { return controlTag(screen_.get()); }
    void gridKeys(std::initializer_list<Qt::Key> ks) {
        for (Qt::Key k : ks)
            QTest::keyClick(&grid(), k);
    }
    // The panel open (window tall, legend lower) or closed.
    bool panelOpen() {
        const auto* legend = child<QLabel>(screen_.get(), "lbKEY");
        const bool frame = child<QFrame>(screen_.get(), "Frame1")->isVisible();
        const bool open = screen_->height() == Twips::toPixelsY(4425) &&
                          legend->y() == Twips::toPixelsY(4140) && frame &&
                          grid().focusPolicy() == Qt::ClickFocus;
        const bool closed = screen_->height() == Twips::toPixelsY(2985) &&
                            legend->y() == Twips::toPixelsY(2700) && !frame &&
                            grid().focusPolicy() == Qt::StrongFocus;
        if (open == closed)
            qWarning("the panel is neither open nor closed");
        return open;
    }
    void save() {
        child(screen_.get(), "Command1")->setFocus();
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
            data_->addConcept(QString::number(n), u"Concepto %1"_s.arg(8 - n),
                              n % 2 ? u"C"_s : u"D"_s);
        PointerRecorder pointer;
        open();
        QVERIFY(screen_->windowTitle().trimmed().isEmpty());
        QCOMPARE(child<QLabel>(screen_.get(), "Label1")->text(), u"CONCEPTOS"_s);
        QCOMPARE(child<QLabel>(screen_.get(), "lbKEY")->text(),
                 u"INSERT (Agregar) - ENTER (Modificar) - DELETE (Eliminar)"_s);
        QCOMPARE(QStringList(
                     {grid().textMatrix(0, 0), grid().textMatrix(0, 1), grid().textMatrix(0, 2)}),
                 QStringList({"NRO", "DESCRIPCION", "ESTADO"}));
        QCOMPARE(grid().colWidth(1), 2000);
        QCOMPARE(grid().colWidth(2), 2000);
        QCOMPARE(column(grid(), 0), QStringList({"7", "6", "5", "4", "3", "2", "1"}));
        QCOMPARE(column(grid(), 2), QStringList({"C", "D", "C", "D", "C", "D", "C"}));
        QCOMPARE(grid().row(), 1);
        QCOMPARE(grid().colSel(), 2);
        QVERIFY(!panelOpen());
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
        // INSERT shows the proposal; the description and type keep what the panel last held.
        description().setText(u"queda"_s);
        typeList().setCurrentIndex(1);
        gridKeys({Qt::Key_Insert});
        QVERIFY(panelOpen());
        QCOMPARE(mode(), u"A"_s);
        QCOMPARE(focused(), &number());
        QCOMPARE(number().text(), u"8"_s);
        QCOMPARE(description().text(), u"queda"_s);
        QCOMPARE(typeList().currentText(), u"DEBITO"_s);
    }

    // Another person's concepts: browsing, the list follows and the selected row stays; adding,
    // the proposed number follows unless the person typed one; changing, nothing moves.
    void theListFollowsAnotherPersonsConcepts() {
        data_->addConcept(u"1"_s, u"B"_s, u"C"_s);
        data_->addConcept(u"2"_s, u"D"_s, u"C"_s);
        open();
        grid().setRow(2);
        const auto other = data_->db().connect();
        test::addConcept(*other, u"3"_s, u"A"_s, u"D"_s);
        QVERIFY(screen_->followList());
        QCOMPARE(column(grid(), 0), QStringList({"3", "1", "2"}));
        QCOMPARE(grid().textMatrix(grid().row(), 0), u"2"_s);
        gridKeys({Qt::Key_Insert});
        QCOMPARE(number().text(), u"4"_s);
        test::addConcept(*other, u"4"_s, u"C"_s, u"D"_s);
        QVERIFY(screen_->followList());
        QCOMPARE(number().text(), u"5"_s);
        number().setText(u"9"_s);
        test::addConcept(*other, u"5"_s, u"E"_s, u"D"_s);
        QVERIFY(screen_->followList());
        QCOMPARE(number().text(), u"9"_s);
        QCOMPARE(focused(), &number());
        setControlTag(screen_.get(), u"M"_s);
        QVERIFY(!screen_->followList());
    }

    // A whole concept from the keyboard: ENTER walks number and description, ENTER in the
    // type list goes back to the description, TAB reaches "Guardar" and ENTER saves.
    void aNewConceptTypedFromTheKeyboard() {
        data_->addConcept(u"1"_s, u"Depósitos"_s, u"C"_s);
        PointerRecorder pointer;
        open();
        gridKeys({Qt::Key_Insert});
        type(u"0012"_s);
        key(Qt::Key_Return);
        QCOMPARE(focused(), &description());
        type(u"  Comisión "_s);
        key(Qt::Key_Return);
        QCOMPARE(focused(), &typeList());
        keys({Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(focused(), &description());
        keys({Qt::Key_Tab, Qt::Key_Tab});
        QCOMPARE(focused(), child(screen_.get(), "Command1"));
        key(Qt::Key_Return);
        QVERIFY(!panelOpen());
        // Stored as typed: the number's zeros and the description's blanks stay.
        QCOMPARE(stored(), QStringList({"0012|  Comisión |D", "1|Depósitos|C"}));
        QCOMPARE(column(grid(), 0), QStringList({"0012", "1"}));
        QCOMPARE(number().text(), u"13"_s); // from the numeric values
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
    }

    // On an empty table the first number is 1; ESC leaves at once without saving the typing.
    void theFirstConceptOnAnEmptyTableAndEscape() {
        open();
        QCOMPARE(grid().rows(), 1);
        QCOMPARE(number().text(), u"1"_s);
        gridKeys({Qt::Key_Return, Qt::Key_Delete});
        QVERIFY(!panelOpen());
        gridKeys({Qt::Key_Insert});
        key(Qt::Key_Return);
        type(u"Intereses"_s);
        save();
        QCOMPARE(stored(), QStringList{"1|Intereses|C"});
        QCOMPARE(column(grid(), 1), QStringList{"Intereses"});
        QCOMPARE(number().text(), u"2"_s);
        gridKeys({Qt::Key_Insert});
        key(Qt::Key_Return);
        type(u"Sin guardar"_s);
        key(Qt::Key_Escape);
        QVERIFY(!screen_->isLoaded());
        QCOMPARE(stored(), QStringList{"1|Intereses|C"});
    }

    void enterChangesTheConceptOfTheCurrentRow() {
        data_->addConcept(u"1"_s, u"Alquiler"_s, u"D"_s);
        data_->addConcept(u"2"_s, u"Banco"_s, u"C"_s);
        open();
        gridKeys({Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(mode(), u"M"_s);
        QVERIFY(panelOpen());
        QVERIFY(!number().isEnabled());
        QCOMPARE(QStringList({number().text(), description().text(), typeList().currentText()}),
                 QStringList({"2", "Banco", "CREDITO"}));
        QCOMPARE(focused(), &description());
        type(u"Banco Nación"_s);
        keys({Qt::Key_Return, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Return});
        QVERIFY(!panelOpen());
        QCOMPARE(stored(), QStringList({"1|Alquiler|D", "2|Banco Nación|D"}));
        QCOMPARE(column(grid(), 2), QStringList({"D", "D"}));
        QCOMPARE(mode(), u"M"_s); // the mode outlives the panel
        // The number box is open again for the next concept.
        gridKeys({Qt::Key_Insert});
        QVERIFY(number().isEnabled());
        QCOMPARE(focused(), &number());
        QCOMPARE(number().text(), u"3"_s);
    }

    void theChecksKeepThePanelOpenAndWriteNothing() {
        data_->addConcept(u"3"_s, u"Tres"_s, u"C"_s);
        MessageRecorder messages;
        PointerRecorder pointer;
        open();
        gridKeys({Qt::Key_Insert});
        type(u"A1"_s);
        save();
        QCOMPARE(focused(), &number());
        type(u"9"_s); // digits only
        key(Qt::Key_Return);
        type(u"   "_s);
        save();
        QCOMPARE(focused(), &description());
        type(u"Nueve"_s);
        typeList().setCurrentIndex(-1);
        save();
        QCOMPARE(messages.prompts(),
                 QStringList({"Debe ingresar un valor Númerico", "Debe ingresar una DESCRIPCIÓN",
                              "Debe seleccionar un TIPO DE CONCEPTO"}));
        for (const auto& box : messages.boxes)
            QCOMPARE(box.icon, MsgIcon::Exclamation);
        QVERIFY(panelOpen());
        QCOMPARE(mode(), u"A"_s);
        QCOMPARE(stored(), QStringList{"3|Tres|C"});

        const QString section = u"\r\n\r\nSeccion ABMConceptos.PP_AGREGARf"_s;
        typeList().setCurrentIndex(0);
        // A number that already exists: told in the database's words, the typing kept.
        number().setText(u"3"_s);
        description().setText(u"Otro tres"_s);
        save();
        QVERIFY(messages.boxes.back().prompt.contains(u"duplicados"_s));
        QVERIFY(messages.boxes.back().prompt.endsWith(section));
        QCOMPARE(focused(), &number());
        QCOMPARE(description().text(), u"Otro tres"_s);
        QVERIFY(panelOpen());
        QCOMPARE(stored(), QStringList{"3|Tres|C"});
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);

        // The next number after 9999 is proposed whole, though longer than a typed one.
        number().setText(u"9999"_s);
        save();
        QCOMPARE(number().text(), u"10000"_s);
    }

    void deleteRemovesTheRowWithoutReloading() {
        for (const QString& n : {u"1"_s, u"2"_s, u"7"_s})
            data_->addConcept(n, u"C"_s + n, u"C"_s);
        MessageRecorder messages;
        open();
        data_->addConcept(u"5"_s, u"C5"_s, u"D"_s); // behind the screen's back
        gridKeys({Qt::Key_Delete});                 // answered No
        QCOMPARE(messages.boxes[0].prompt, u"Confirma eliminar el item seleccionado"_s);
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Question);
        QCOMPARE(messages.boxes[0].buttons, MsgButtons::YesNo);
        QCOMPARE(grid().rows(), 4);
        messages.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        gridKeys({Qt::Key_End, Qt::Key_Delete, Qt::Key_Home, Qt::Key_Delete});
        QCOMPARE(column(grid(), 0), QStringList{"2"});
        QCOMPARE(grid().row(), 1);
        QCOMPARE(grid().colSel(), 2);
        QCOMPARE(stored(), QStringList({"2|C2|C", "5|C5|D"}));
        QCOMPARE(number().text(), u"8"_s);
        QCOMPARE(messages.boxes.size(), std::size_t(3));

        // A concept already gone: nothing deleted, and said so.
        execute(*gManejo, u"DELETE FROM BANCON WHERE CONSTNRO = '2'"_s);
        messages.answers = {MsgAnswer::Yes};
        gridKeys({Qt::Key_Delete});
        QCOMPARE(messages.boxes.back().prompt, u"No se elimino ningun registro"_s);
        QCOMPARE(messages.boxes.back().icon, MsgIcon::Critical);
        QCOMPARE(grid().rows(), 2);
    }

    void savingAChangeToAConceptThatIsGoneSaysSo() {
        data_->addConcept(u"4"_s, u"Cuatro"_s, u"C"_s);
        MessageRecorder messages;
        open();
        gridKeys({Qt::Key_Return});
        execute(*gManejo, u"DELETE FROM BANCON WHERE CONSTNRO = '4'"_s);
        description().setText(u"Cuatro bis"_s);
        save();
        QCOMPARE(messages.prompts(), QStringList{"No se modificó ningún concepto."});
        QVERIFY(panelOpen());
        QCOMPARE(description().text(), u"Cuatro bis"_s);
        QVERIFY(stored().isEmpty());
    }
};

LEDGORA_TEST_MAIN(TstConcepts)
#include "tst_concepts.moc"
