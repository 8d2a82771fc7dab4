#include "ScreenTests.h"
#include "controls/FlexGrid.h"
#include "core/Conversions.h"
#include "reconcilescreen/FrmFormatoCsv.h"

#include <QComboBox>
#include <QLabel>

using namespace ledgora;
using namespace ledgora::test;

// A Spanish bank's export: two title rows, the column names, decimal commas with thousands
// points and a running balance, in Windows-1252.
const QByteArray kBankCsv =
    QStringLiteral("Banco Ejemplo - Movimientos de la cuenta\r\n"
                   "Titular: Ana Pérez\r\n"
                   "Fecha;Fecha valor;Concepto;Importe;Saldo\r\n"
                   "01/03/2024;01/03/2024;Nómina marzo;1.850,00;2.350,00\r\n"
                   "05/03/2024;04/03/2024;Recibo luz;-62,35;2.287,65\r\n"
                   "10/03/2024;10/03/2024;Compra;-45,20;2.242,45\r\n")
        .toLatin1();

// The layout of a bank's CSV asked with the keyboard alone: the guess accepted with ENTER, the
// refusals, ESC, and files that are no bank's export at all.
class TstFormatoCsv : public QObject {
    Q_OBJECT
private:
    // The screen opened on the bytes and their guessed layout, `person` at its keyboard.
    static std::optional<CsvLayout> ask(const QByteArray& bytes, ModalDriver::Action person) {
        ModalDriver driver;
        driver.then(std::move(person));
        return FrmFormatoCsv::ask(bytes, CsvLayout::guess(bytes), u"movimientos.csv"_s);
    }
    // ENTER until the named control has the focus: the screen's own walk decides the way.
    static void enterUntil(const char* name) {
        for (int k = 0; k < 20 && focused()->objectName() != QLatin1String(name); ++k)
            key(Qt::Key_Return);
        QCOMPARE(focused()->objectName(), QLatin1String(name));
    }

private Q_SLOTS:
    // Guessed right, as the screen shows it: the choosers name the header's columns, the first
    // movement reads whole (Windows-1252, decimal commas) and the file reads without a word.
    void theGuessIsAcceptedWithEnterAlone() {
        MessageRecorder boxes(MessageRecorder::Boxes::Unexpected);
        QStringList firstRow, choices;
        QString problem;
        const auto layout = ask(kBankCsv, [&](QWidget* screen) {
            firstRow = gridRow(*child<FlexGrid>(screen, "grdMuestra"), 1);
            problem = child<QLabel>(screen, "lbProblema")->text();
            for (const char* name : {"cboSeparador", "cboFecha", "cboOperacion", "cboDebe"})
                choices << child<QComboBox>(screen, name)->currentText();
            enterUntil("cmdAceptar");
            key(Qt::Key_Return);
        });
        QVERIFY(layout);
        QCOMPARE(layout->toText(), CsvLayout::guess(kBankCsv).toText());
        QCOMPARE(choices, QStringList({u"; (punto y coma)"_s, u"dd/mm/aaaa"_s, u"1: Fecha"_s,
                                       u"(ninguna)"_s}));
        auto amount = [](double value) { return rt::formatAmount(Money::fromDouble(value)); };
        QCOMPARE(firstRow, QStringList({u"01/03/2024"_s, u"01/03/2024"_s, u"Nómina marzo"_s,
                                        QString(), amount(1850), amount(2350)}));
        QCOMPARE(problem, QString());
    }

    // One choice changed by its key, then ENTERs to "Aceptar": refused in the box, the focus
    // on the choice concerned, the choice kept; ESC then gives nothing.
    void aRefusalLeavesTheChoiceToMend_data() {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("concerned");
        const QString noAmount = u"Debe elegir la columna del IMPORTE, o las del DEBE y el HABER"_s;
        QTest::newRow("no date") << "cboOperacion"_ba << int(Qt::Key_Home)
                                 << u"Debe elegir la columna de la FECHA"_s << "cboOperacion"_ba;
        QTest::newRow("no amount")
            << "cboImporte"_ba << int(Qt::Key_Home) << noAmount << "cboImporte"_ba;
        // The reader's own words, shown under the choices as well.
        QTest::newRow("decimal point")
            << "cboDecimal"_ba << int(Qt::Key_Down)
            << u"Línea 5: el saldo 2,2877 no es el anterior, 2,35, más el importe, -6235."_s
            << "cboDecimal"_ba;
        // Split by commas, the rows have three fields: the amount's column is gone.
        QTest::newRow("comma separator")
            << "cboSeparador"_ba << int(Qt::Key_Down) << noAmount << "cboImporte"_ba;
    }
    void aRefusalLeavesTheChoiceToMend() {
        QFETCH(QByteArray, control);
        QFETCH(int, change);
        QFETCH(QString, message);
        QFETCH(QByteArray, concerned);
        MessageRecorder boxes;
        QString chosen, kept, focus, problem;
        const auto layout = ask(kBankCsv, [&](QWidget* screen) {
            enterUntil(control);
            key(Qt::Key(change));
            chosen = child<QComboBox>(screen, control)->currentText();
            enterUntil("cmdAceptar");
            key(Qt::Key_Return);
            focus = focused()->objectName();
            kept = child<QComboBox>(screen, control)->currentText();
            problem = child<QLabel>(screen, "lbProblema")->text();
            key(Qt::Key_Escape);
        });
        QVERIFY(!layout);
        QCOMPARE(boxes.prompts(), QStringList{message});
        QCOMPARE(focus, QString::fromLatin1(concerned));
        QCOMPARE(kept, chosen);
        if (message.startsWith(u"Línea"))
            QCOMPARE(problem, message);
    }

    // A file that is no export opens the screen all the same, and ENTERs and ESC leave it.
    void hostileFilesLeaveTheScreenUsable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        // NULs, an open quote, separators, line ends and bytes no UTF-8 has.
        QTest::newRow("binary") << QByteArray::fromHex("00ff3b0a22e9c30d092c7c80").repeated(400);
        QTest::newRow("long cell") << "Fecha;Importe\n01/03/2024;" + QByteArray(10000, '9') + '\n';
        QTest::newRow("one column") << "Fecha\n01/03/2024\n02/03/2024\n"_ba;
    }
    void hostileFilesLeaveTheScreenUsable() {
        QFETCH(QByteArray, bytes);
        MessageRecorder boxes;
        const auto layout = ask(bytes, [](QWidget* screen) {
            enterUntil("cmdAceptar");
            key(Qt::Key_Return);
            if (screen->isVisible())
                ModalDriver::press(screen, Qt::Key_Escape);
        });
        QVERIFY(!layout);
        QCOMPARE(boxes.boxes.size(), std::size_t(1));
    }
};

LEDGORA_TEST_MAIN(TstFormatoCsv)
#include "tst_formatocsv.moc"
