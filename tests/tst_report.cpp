#include "LedgerFixture.h"
#include "ModalDriver.h"
#include "TestSupport.h"
#include "controls/BandedReport.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "ledger/ListingReport.h"
#include "ledger/MovementListing.h"
#include "screens/main/FrmBNKMain.h"

#include <QAction>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using namespace ledgora;
using namespace ledgora::test;

namespace {

const QString kAccount = QStringLiteral("001");

// The text of each page of a PDF, as poppler reads it.
QStringList pdfPages(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The amount printed after a caption, as text.
QString amountAfter(const QString& text, const QString& caption) {
    const QRegularExpression re(QRegularExpression::escape(caption) +
                                QStringLiteral("\\s+(-?\\d+[.,]\\d\\d)"));
    return re.match(text).captured(1);
}

// The line of a page that shows a movement's description.
QString lineOf(const QStringList& pages, const QString& description) {
    for (const QString& page : pages)
        for (const QString& line : page.split(u'\n'))
            if (line.contains(description))
                return line.simplified();
    return {};
}

struct HostRun {
    int exitCode = -1;
    QString errors;
};

HostRun runHost(const QStringList& arguments) {
    QProcess host;
    host.start(QStringLiteral(LEDGORA_HOST_PATH),
               QStringList{QStringLiteral("--listing")} + arguments);
    host.waitForFinished(60000);
    QString errors = QString::fromLocal8Bit(host.readAllStandardError());
    // Qt's own notices about the runtime folder are not the program's.
    errors.remove(QRegularExpression(QStringLiteral("QStandardPaths:[^\n]*\n")));
    return {host.exitStatus() == QProcess::NormalExit ? host.exitCode() : -1, errors};
}

} // namespace

// The printed account listing: its pages, its balances against the loader's, the preview on
// Alt+P, the failure report, and the PDF written without a window.
class TstReport : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<LedgerFixture> data_;
    std::unique_ptr<FrmBNKMain> screen_;
    QTemporaryDir out_;

    // 150 movements in March 2024 (three pages), concept 7 on every third; one before the
    // interval and one after it.
    void addMarch() {
        data_->addMovement(kAccount, 1, QDate(2024, 2, 20), QStringLiteral("Saldo anterior"), {},
                           {}, money(1000));
        for (int k = 1; k <= 150; ++k)
            data_->addMovement(kAccount, k + 1, QDate(2024, 3, 1 + k / 5),
                               QStringLiteral("Mov %1").arg(k, 3, 10, QLatin1Char('0')),
                               k == 1 ? money(5.5) : Money(), k % 4 == 0 ? money(k) : Money(),
                               k % 3 == 1 ? money(1234) : Money(),
                               k % 5 == 0 ? money(7.25) : Money(),
                               k % 3 == 0 ? QStringLiteral("7") : QStringLiteral("1"));
        data_->addMovement(kAccount, 200, QDate(2024, 4, 2), QStringLiteral("Despues"), {}, {},
                           money(99));
        gFechaDesde = QDate(2024, 3, 1);
        gFechaHasta = QDate(2024, 3, 31);
    }

    // Runs the listing into a PDF and gives its pages' text.
    QStringList printListing(int* printed = nullptr) {
        const QString path = out_.filePath(QStringLiteral("listado.pdf"));
        QFile::remove(path);
        CARGAR_LISTADO([&](const BandedReport& report, ReportRecords& records) {
            QCOMPARE(report.writePdf(path, records, printed), QString());
        });
        return pdfPages(path);
    }

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler's pdftotext is not installed");
    }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        data_->addAccount(kAccount, QStringLiteral("Caja"));
        gCuenta = cuenta(kAccount, QStringLiteral("Caja"));
        screen_ = std::make_unique<FrmBNKMain>();
        screen_->FormatGRD();
        MainScreenPort::setCurrent(screen_.get());
    }
    void cleanup() {
        MainScreenPort::setCurrent(nullptr);
        screen_.reset();
        data_.reset();
    }

    void everyPageCarriesTheHeadingAndItsNumber() {
        addMarch();
        int printed = 0;
        const QStringList pages = printListing(&printed);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(printed, 3);
        const QString today = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
        int listed = 0;
        for (int p = 0; p < pages.size(); ++p) {
            const QString& page = pages[p];
            for (const QString& heading :
                 {QStringLiteral("Listado de Cuenta:"), QStringLiteral("(001) Caja"),
                  QStringLiteral("Fecha:"), today, QStringLiteral("Concepto"),
                  QStringLiteral("A Acreditar"), QStringLiteral("A Debitar"),
                  QStringLiteral("Acreditado"), QStringLiteral("Debitado")})
                QVERIFY2(page.contains(heading), qPrintable(heading));
            QVERIFY(
                page.contains(QRegularExpression(QStringLiteral("Pagina:\\s*%1\\s*$").arg(p + 1))));
            QCOMPARE(page.contains(QStringLiteral("Totales Real. Bco.")), p == 2);
            listed += int(page.count(QRegularExpression(QStringLiteral("Mov \\d\\d\\d"))));
        }
        // Every movement of the interval once, in date order; none from outside it.
        QCOMPARE(listed, 150);
        QVERIFY(pages[0].indexOf(QStringLiteral("Mov 001")) <
                pages[0].indexOf(QStringLiteral("Mov 004")));
        QVERIFY(pages[2].contains(QStringLiteral("Mov 150")));
        QVERIFY(!pages.join(QString()).contains(QStringLiteral("Saldo anterior")));
        QVERIFY(!pages.join(QString()).contains(QStringLiteral("Despues")));
    }

    void footerBalancesAreTheLoadersWithOrWithoutFilterInEitherLocale() {
        addMarch();
        for (const QLocale& locale : {pointLocale(), commaLocale()}) {
            LocaleScope scope(locale);
            const QChar point = locale.decimalPoint().at(0);
            gFiltro = {};
            CARGAR_CUENTAS(screen_->LstBNK());
            const QString banco = screen_->balanceText(BalanceLabel::lbTOTRBCO);
            const QString cuenta = screen_->balanceText(BalanceLabel::lbTOTRCNT);
            QVERIFY(banco.contains(point));

            const QStringList all = printListing();
            QCOMPARE(amountAfter(all.last(), QStringLiteral("Totales Real. Bco.")), banco);
            QCOMPARE(amountAfter(all.last(), QStringLiteral("Total Real Cuenta")), cuenta);
            // 5.5 as 05.50 and 1234 as 1234.00, with the locale's decimal mark.
            QCOMPARE(lineOf(all, QStringLiteral("Mov 001")),
                     QStringLiteral("01/03/2024 Mov 001 05.50 00.00 1234.00 00.00")
                         .replace(u'.', point));

            gFiltro = {true, QStringLiteral("7"), QString()};
            const QStringList filtered = printListing();
            QCOMPARE(filtered.size(), 1);
            QCOMPARE(int(filtered[0].count(QRegularExpression(QStringLiteral("Mov \\d\\d\\d")))),
                     50);
            QVERIFY(!filtered[0].contains(QStringLiteral("Mov 001")));
            QCOMPARE(amountAfter(filtered[0], QStringLiteral("Totales Real. Bco.")), banco);
            QCOMPARE(amountAfter(filtered[0], QStringLiteral("Total Real Cuenta")), cuenta);
        }
    }

    void altPShowsThePreviewAfterRefreshingTheTotals() {
        addMarch();
        screen_->load();
        screen_->show();
        QVERIFY(QTest::qWaitForWindowActive(screen_.get()));
        ModalDriver person;
        int pages = 0;
        QString caption;
        bool canSave = false;
        person.then([&](QWidget* modal) {
            caption = modal->windowTitle();
            if (auto* view = modal->findChild<QPrintPreviewWidget*>())
                pages = view->pageCount();
            canSave = modal->findChild<QAction*>(QStringLiteral("actGuardarPdf")) != nullptr;
            ModalDriver::press(modal, Qt::Key_Escape);
        });
        QTest::keyClick(&screen_->LstBNK(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(person.handled(), 1);
        QVERIFY(qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget()) == nullptr);
        QCOMPARE(caption, QStringLiteral("Listado de Cuenta"));
        QCOMPARE(pages, 3);
        QVERIFY(canSave);
        // What the loader writes, the report writes too (all but the grid).
        QCOMPARE(gCuenta.TOMDLACR, money(1000 + 50 * 1234));
        QCOMPARE(gCuenta.UltimoMovimiento, 200);
        QCOMPARE(screen_->StBar().panelText(2),
                 QStringLiteral("Desde (01/03/2024) - Hasta (31/03/2024)"));
        QCOMPARE(screen_->LstBNK().rows(), 1);
    }

    void aBrokenFilterIsReportedAsTheLoadersFailure() {
        addMarch();
        MessageRecorder messages;
        PointerRecorder pointer;
        gFiltro = {true, QStringLiteral("7'"), QString()};
        bool shown = false;
        CARGAR_LISTADO([&](const BandedReport&, ReportRecords&) { shown = true; });
        QVERIFY(!shown);
        QCOMPARE(messages.boxes.size(), std::size_t(1));
        QCOMPARE(messages.boxes[0].icon, MsgIcon::Critical);
        QVERIFY(messages.boxes[0].prompt.contains(QStringLiteral(" / ")));
        QVERIFY(messages.boxes[0].prompt.endsWith(
            QStringLiteral("\r\n\r\nSeccion [BANCOS.CARGAR_CUENTAS]")));
        QCOMPARE(pointer.shapes.back(), PointerShape::Normal);
        // The totals computed before the failure stay written.
        QCOMPARE(data_->storedTotals(kAccount)[2], money(1000 + 50 * 1234));
    }

    void theHostWritesThePdfOrSaysWhyOnOneLineAndLeavesNoFile() {
        addMarch();
        const QString db = data_->db().path();
        const QString pdf = out_.filePath(QStringLiteral("marzo.pdf"));
        HostRun ok = runHost({db, kAccount, QStringLiteral("01/03/2024"),
                              QStringLiteral("31/03/2024"), pdf, QStringLiteral("7")});
        QCOMPARE(ok.exitCode, 0);
        const QStringList pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(QStringLiteral("(001) Caja")));

        const QString kept = out_.filePath(QStringLiteral("kept.pdf"));
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
        file.close();
        const QString missingFolder = out_.filePath(QStringLiteral("no/such/folder/x.pdf"));
        const struct {
            QStringList arguments;
            QString target;
            QString says;
        } failures[] = {
            {{db, QStringLiteral("999"), QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"),
              kept},
             kept,
             QStringLiteral("no account")},
            {{db, QStringLiteral("0'1"), QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"),
              kept},
             kept,
             QStringLiteral("no account")},
            {{db, kAccount, QStringLiteral("31/02/2024"), QStringLiteral("31/03/2024"), kept},
             kept,
             QStringLiteral("FROM is not a date")},
            {{db, kAccount, QStringLiteral("01/03/2024"), QStringLiteral("marzo"), kept},
             kept,
             QStringLiteral("TO is not a date")},
            {{db, kAccount, QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"),
              missingFolder},
             missingFolder,
             QStringLiteral("cannot write")},
        };
        const QStringList before = QDir(out_.path()).entryList(QDir::Files);
        for (const auto& failure : failures) {
            const HostRun run = runHost(failure.arguments);
            QVERIFY(run.exitCode != 0);
            QCOMPARE(run.errors.count(u'\n'), 1);
            QVERIFY2(run.errors.startsWith(QStringLiteral("ledgora: ")) &&
                         run.errors.contains(failure.says),
                     qPrintable(run.errors));
        }
        QVERIFY(!QFile::exists(missingFolder));
        QCOMPARE(QDir(out_.path()).entryList(QDir::Files), before);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier"));
    }
};

QTEST_MAIN(TstReport)
#include "tst_report.moc"
