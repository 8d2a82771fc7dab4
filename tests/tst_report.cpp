#include "LedgerTests.h"
#include "controls/BandedReport.h"
#include "controls/PanelStatusBar.h"
#include "core/UiLanguage.h"
#include "ledger/ListingReport.h"
#include "ledger/MovementListing.h"
#include "mainscreen/FrmBNKMain.h"

#include <QAction>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>
#include <sys/stat.h>

using namespace ledgora;
using namespace ledgora::test;
using namespace Qt::StringLiterals;

namespace {

const QString kAccount = u"001"_s;

// The text of each page of a PDF, as poppler reads it.
QStringList pdfPages(const QString& path) {
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The amount printed after a caption, as text.
QString amountAfter(const QString& text, const QString& caption) {
    const QRegularExpression re(QRegularExpression::escape(caption) + u"\\s+(-?\\d+[.,]\\d\\d)"_s);
    return re.match(text).captured(1);
}

// The two balances of the footer, as printed.
QStringList footer(const QString& page) {
    return {amountAfter(page, u"Totales Real. Bco."_s), amountAfter(page, u"Total Real Cuenta"_s)};
}
int movementsOn(const QString& page) {
    return int(page.count(QRegularExpression(u"Mov \\d\\d\\d"_s)));
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
    host.start(QStringLiteral(LEDGORA_HOST_PATH), QStringList{u"--listing"_s} + arguments);
    host.waitForFinished(60000);
    QString errors = QString::fromLocal8Bit(host.readAllStandardError());
    // Qt's own notices about the runtime folder are not the program's.
    errors.remove(QRegularExpression(u"QStandardPaths:[^\n]*\n"_s));
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
        data_->addMovement(kAccount, 1, QDate(2024, 2, 20), u"Saldo anterior"_s, {}, {},
                           money(1000));
        for (int k = 1; k <= 150; ++k)
            data_->addMovement(kAccount, k + 1, QDate(2024, 3, 1 + k / 5),
                               u"Mov %1"_s.arg(k, 3, 10, QLatin1Char('0')),
                               k == 1 ? money(5.5) : Money(), k % 4 == 0 ? money(k) : Money(),
                               k % 3 == 1 ? money(1234) : Money(),
                               k % 5 == 0 ? money(7.25) : Money(), k % 3 == 0 ? u"7"_s : u"1"_s);
        data_->addMovement(kAccount, 200, QDate(2024, 4, 2), u"Despues"_s, {}, {}, money(99));
        gFechaDesde = QDate(2024, 3, 1);
        gFechaHasta = QDate(2024, 3, 31);
    }

    // Runs the listing into a PDF and gives its pages' text.
    QStringList printListing(int* printed = nullptr) {
        const QString path = out_.filePath(u"listado.pdf"_s);
        QFile::remove(path);
        CARGAR_LISTADO([&](const BandedReport& report, ReportRecords& records) {
            QCOMPARE(report.writePdf(path, records, printed), QString());
        });
        return pdfPages(path);
    }

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("poppler's pdftotext is not installed");
    }
    void init() {
        data_ = std::make_unique<LedgerFixture>();
        data_->addAccount(kAccount, u"Caja"_s);
        gCuenta = cuenta(kAccount, u"Caja"_s);
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
        // The long date is Spanish whatever the system's language ("6 de diciembre de 2026").
        const QDate date = QDate::currentDate();
        const QString today = u"%1 de %2 de %3"_s.arg(date.day())
                                  .arg(QLocale(QLocale::Spanish).monthName(date.month()))
                                  .arg(date.year());
        int listed = 0;
        for (int p = 0; p < pages.size(); ++p) {
            const QString& page = pages[p];
            for (const QString& heading :
                 {u"Listado de Cuenta:"_s, u"(001) Caja"_s, u"Fecha:"_s, today, u"Concepto"_s,
                  u"A Acreditar"_s, u"A Debitar"_s, u"Acreditado"_s, u"Debitado"_s})
                QVERIFY2(page.contains(heading), qPrintable(heading));
            QVERIFY(page.contains(QRegularExpression(u"Pagina:\\s*%1\\s*$"_s.arg(p + 1))));
            QCOMPARE(page.contains(u"Totales Real. Bco."_s), p == 2);
            listed += movementsOn(page);
        }
        // Every movement of the interval once, in date order; none from outside it.
        QCOMPARE(listed, 150);
        QVERIFY(pages[0].indexOf(u"Mov 001"_s) < pages[0].indexOf(u"Mov 004"_s));
        QVERIFY(pages[2].contains(u"Mov 150"_s));
        QVERIFY(!pages.join(QString()).contains(QRegularExpression(u"Saldo anterior|Despues"_s)));
    }

    void footerBalancesAreTheLoadersWithOrWithoutFilterInEitherLocale() {
        addMarch();
        for (const QLocale& locale : {pointLocale(), commaLocale()}) {
            LocaleScope scope(locale);
            const QChar point = locale.decimalPoint().at(0);
            gFiltro = {};
            CARGAR_CUENTAS(screen_->LstBNK());
            const QStringList balances{screen_->balanceText(BalanceLabel::lbTOTRBCO),
                                       screen_->balanceText(BalanceLabel::lbTOTRCNT)};
            QVERIFY(balances[0].contains(point));

            const QStringList all = printListing();
            QCOMPARE(footer(all.last()), balances);
            // 5.5 as 05.50 and 1234 as 1234.00, with the locale's decimal mark.
            QCOMPARE(lineOf(all, u"Mov 001"_s),
                     u"01/03/2024 Mov 001 05.50 00.00 1234.00 00.00"_s.replace(u'.', point));

            gFiltro = {true, u"7"_s, QString()};
            const QStringList filtered = printListing();
            QCOMPARE(filtered.size(), 1);
            QCOMPARE(movementsOn(filtered[0]), 50);
            QVERIFY(!filtered[0].contains(u"Mov 001"_s));
            QCOMPARE(footer(filtered[0]), balances);
        }
    }

    void altPShowsThePreviewAfterRefreshingTheTotals() {
        UiLanguage::install(); // as the component does when shown
        addMarch();
        screen_->load();
        QVERIFY(showActive(*screen_));
        ModalDriver person;
        // The caption, the pages shown, whether it can save a PDF, and Qt's own buttons in
        // Spanish even on a system in English.
        QStringList seen;
        person.then([&](QWidget* modal) {
            auto* view = modal->findChild<QPrintPreviewWidget*>();
            QStringList actions;
            for (const QAction* action : modal->findChildren<QAction*>())
                actions << action->text();
            seen << modal->windowTitle() << QString::number(view ? view->pageCount() : 0)
                 << QString::number(modal->findChild<QAction*>(u"actGuardarPdf"_s) != nullptr)
                 << QString::number(actions.contains(u"Página siguiente"_s));
            ModalDriver::press(modal, Qt::Key_Escape);
        });
        QTest::keyClick(&screen_->LstBNK(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(person.handled(), 1);
        QVERIFY(qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget()) == nullptr);
        QCOMPARE(seen, QStringList({"Listado de Cuenta", "3", "1", "1"}));
        // What the loader writes, the report writes too (all but the grid).
        QCOMPARE(gCuenta.TOMDLACR, money(1000 + 50 * 1234));
        QCOMPARE(gCuenta.UltimoMovimiento, 200);
        QCOMPARE(screen_->StBar().panelText(2), u"Desde (01/03/2024) - Hasta (31/03/2024)"_s);
        QCOMPARE(screen_->LstBNK().rows(), 1);
    }

    void theHostWritesThePdfOrSaysWhyOnOneLineAndLeavesNoFile() {
        addMarch();
        const QString db = data_->db().path();
        const QString pdf = out_.filePath(u"marzo.pdf"_s);
        HostRun ok = runHost({db, kAccount, u"01/03/2024"_s, u"31/03/2024"_s, pdf, u"7"_s});
        QCOMPARE(ok.exitCode, 0);
        const QStringList pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(u"(001) Caja"_s));

        const QString kept = out_.filePath(u"kept.pdf"_s);
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
        file.close();
        const QString missingFolder = out_.filePath(u"no/such/folder/x.pdf"_s);
        const QString pipe = out_.filePath(u"pipe.pdf"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        // account, from, to, target and what the one line of the refusal says
        const QString failures[][5] = {
            {u"999"_s, u"01/03/2024"_s, u"31/03/2024"_s, kept, u"no hay una cuenta \"999\""_s},
            {kAccount, u"31/02/2024"_s, u"31/03/2024"_s, kept, u"DESDE no es una fecha"_s},
            {kAccount, u"01/03/2024"_s, u"marzo"_s, kept, u"HASTA no es una fecha"_s},
            {kAccount, u"01/03/2024"_s, u"31/03/2024"_s, missingFolder,
             u"no se puede escribir en la carpeta"_s},
            {kAccount, u"01/03/2024"_s, u"31/03/2024"_s, pipe, u"no es un archivo común"_s},
        };
        const QStringList before = QDir(out_.path()).entryList(QDir::Files);
        for (const auto& failure : failures) {
            const HostRun run = runHost({db, failure[0], failure[1], failure[2], failure[3]});
            QVERIFY(run.exitCode != 0);
            QCOMPARE(run.errors.count(u'\n'), 1);
            QVERIFY2(run.errors.startsWith(u"ledgora: "_s) && run.errors.contains(failure[4]),
                     qPrintable(run.errors));
        }
        QVERIFY(!QFile::exists(missingFolder));
        QCOMPARE(QDir(out_.path()).entryList(QDir::Files), before);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier"));
    }
};

LEDGORA_TEST_MAIN(TstReport)
#include "tst_report.moc"
