#include "FrmBNKMain.h"

#include "MainScreenLifecycle.h"
#include "MovementRoutines.h"
#include "StatementChoice.h"
#include "auditscreen/AuditRoutines.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "core/Conversions.h"
#include "data/LockRenewal.h"
#include "data/Recordset.h"
#include "domain/LedgerStatements.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "ledger/AccountTotals.h"
#include "ledger/LedgerWatch.h"
#include "ledger/ListedRows.h"
#include "ledger/ListingReport.h"
#include "ledger/MovementListing.h"
#include "platform/ErrorReport.h"
#include "platform/FileChooser.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenLog.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"
#include "reconcile/Reconciler.h"

#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace ledgora {

namespace {

// Design sizes, in twips.
constexpr int kDesignWidth = 12300;
constexpr int kDesignHeight = 7200;
constexpr int kToolbarHeight = 480;
constexpr int kStatusHeight = 345;
constexpr int kTotalsWidth = 4300;
constexpr int kTotalsHeight = 660;
// The bank's frame, our own beside the legacy one: as high as it, and as far from it as it
// stands from the window's edge.
constexpr int kBankWidth = 3800;
constexpr int kBankGap = 80;

// A value of a balances' frame: bold, right-aligned, found by its name.
QLabel* valueLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QFrame* balancesFrame(const char* name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

void paint(QLabel& label, const QColor& color) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

} // namespace

FrmBNKMain::FrmBNKMain() {
    setCaption(QStringLiteral("Bancos"));
    setKeyPreview(true);
    buildControls();
    buildMenu();
    resize(Twips::toPixelsX(kDesignWidth), Twips::toPixelsY(kDesignHeight));
    watch_ = new LedgerWatch(this);
    connect(watch_, &LedgerWatch::accountsChanged, this, &FrmBNKMain::followOthers);
    connect(watch_, &LedgerWatch::looked, this, &FrmBNKMain::followWhenFree);
    connect(watch_, &LedgerWatch::ledgerReplaced, this, &FrmBNKMain::reopenReplacedLedger);
    connect(watch_, &LedgerWatch::accountListChanged, this, [this] {
        accountsPending_ = true;
        followWhenFree();
    });
    connect(watch_, &LedgerWatch::conceptListChanged, this, [this] {
        conceptsPending_ = true;
        followWhenFree();
    });
}

FrmBNKMain::~FrmBNKMain() {
    if (MainScreenPort::current() == this)
        MainScreenPort::setCurrent(nullptr);
}

void FrmBNKMain::buildControls() {
    TbMenu_ = new QToolBar(this);
    TbMenu_->setObjectName(QStringLiteral("TbMenu"));
    TbMenu_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    TbMenu_->setMovable(false);
    QAction* chooseAccount =
        TbMenu_->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                           QStringLiteral("Seleccionar Cuenta [F6]"));
    QAction* concepts = TbMenu_->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                           QStringLiteral("Conceptos"));
    connect(chooseAccount, &QAction::triggered, this, [this] { TbMenu_ButtonClick(1); });
    connect(concepts, &QAction::triggered, this, [this] { TbMenu_ButtonClick(2); });
    QAction* reconcile = TbMenu_->addAction(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                            tr("Conciliar [F9]"));
    connect(reconcile, &QAction::triggered, this, [this] { TbMenu_ButtonClick(3); });

    LstBNK_ = new FlexGrid(this);
    LstBNK_->setAccessibleName(tr("Movimientos"));
    LstBNK_->setObjectName(QStringLiteral("LstBNK"));
    LstBNK_->setKeyDownHandler([this](int& keyCode, int shift) { LstBNK_KeyDown(keyCode, shift); });
    LstBNK_->setMouseUpHandler(
        [this](int button, int shift, double, double) { LstBNK_MouseUp(button, shift); });

    SHTOT_ = balancesFrame("SHTOT", this);
    auto* totals = new QGridLayout(SHTOT_);
    totals->setContentsMargins(8, 2, 8, 2);
    totals->setVerticalSpacing(0);
    lbTOTRCNT_ = valueLabel("lbTOTRCNT", rt::formatAmount(Money()), SHTOT_);
    lbTOTRBCO_ = valueLabel("lbTOTRBCO", rt::formatAmount(Money()), SHTOT_);
    totals->addWidget(new QLabel(QStringLiteral("Total Real Cuenta:"), SHTOT_), 0, 0);
    totals->addWidget(lbTOTRCNT_, 0, 1);
    totals->addWidget(new QLabel(QStringLiteral("Total Real Bco.:"), SHTOT_), 1, 0);
    totals->addWidget(lbTOTRBCO_, 1, 1);
    SHTOT_->resize(Twips::toPixelsX(kTotalsWidth), Twips::toPixelsY(kTotalsHeight));

    // The bank's side stands in a frame of its own, so that the legacy one keeps its place.
    SHEXT_ = balancesFrame("SHEXT", this);
    auto* bank = new QVBoxLayout(SHEXT_);
    bank->setContentsMargins(8, 2, 8, 2);
    bank->setSpacing(0);
    lbEXTRACTO_ = valueLabel("lbEXTRACTO", QString(), SHEXT_);
    lbDIFERENCIA_ = valueLabel("lbDIFERENCIA", QString(), SHEXT_);
    bank->addWidget(lbEXTRACTO_);
    bank->addWidget(lbDIFERENCIA_);
    SHEXT_->resize(Twips::toPixelsX(kBankWidth), Twips::toPixelsY(kTotalsHeight));
    SHEXT_->hide();

    StBar_ = new PanelStatusBar(3, this);
    StBar_->setObjectName(QStringLiteral("StBar"));
    StBar_->setPanelText(1, QStringLiteral("Cuenta: <Desconocido>"));
    StBar_->setPanelText(2, QStringLiteral("Fecha:"));
    StBar_->setPanelText(3, QStringLiteral("ALTP+P [Imprimir] - F12 [Acreditar o Desacreditar]"));
    StBar_->setPanelToolTip(2, QStringLiteral("CLICK AQUI!!! - PARA MODIFICAR EL INTERVALO"));
    StBar_->setPanelClickHandler([this](int panel) { StBar_PanelClick(panel); });
}

void FrmBNKMain::buildMenu() {
    MnuMain_ = new QMenu(QStringLiteral("Menu"), this);
    // The menu's movement entries leave the test for data rows to the routines themselves.
    auto entry = [this](const char* name, const QString& caption, void (FrmBNKMain::*routine)()) {
        QAction* action = MnuMain_->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                [this, routine] { guardEvent([this, routine] { (this->*routine)(); }); });
    };
    entry("MnuACroDesAcr", QStringLiteral("Cambiar Estado"), &FrmBNKMain::PP_ACRODCR);
    entry("MnuIngresar", QStringLiteral("Ingresar"), &FrmBNKMain::showEntryScreen);
    entry("Mnumodificar", QStringLiteral("Modificar"), &FrmBNKMain::PP_MODIFICARCUENTA);
    entry("MnuEliminar", QStringLiteral("Eliminar"), &FrmBNKMain::PP_ELIMINARCUENTA);
    QMenu* movements = MnuMain_->addMenu(QStringLiteral("Movimientos"));
    movements->addAction(QStringLiteral("Anteriores"));
    movements->addAction(QStringLiteral("Futuros"));
    MnuMain_->addSeparator();
    MnuMain_->addAction(QStringLiteral("Imprimir"));
    MnuMain_->addSeparator();
    connect(MnuMain_->addAction(QStringLiteral("Cuentas")), &QAction::triggered, this,
            [this] { PP_SELCUENTA(); });
    MnuMain_->addSeparator();
    // What we added beside the legacy entries names its key, so that it is found without the
    // menu next time.
    entry("MnuPapelera", tr("Papelera [F8]"), &FrmBNKMain::PP_PAPELERA);
    MnuMain_->addSeparator();
    entry("MnuHistorial", tr("Historial [F11]"), &FrmBNKMain::PP_HISTORIAL);
    entry("MnuDeshacer", tr("Deshacer [Ctrl+Z]"), &FrmBNKMain::PP_DESHACER);
    MnuMain_->addSeparator();
    entry("MnuPeriodicos", tr("Movimientos periódicos [F7]"), &FrmBNKMain::PP_PERIODICOS);
    entry("MnuPrevision", tr("Previsión de tesorería [F5]"), &FrmBNKMain::PP_PREVISION);
    entry("MnuGrafico", tr("Gráfico del saldo [F4]"), &FrmBNKMain::PP_GRAFICO);
}

QLabel& FrmBNKMain::label(BalanceLabel which) const {
    return which == BalanceLabel::lbTOTRBCO ? *lbTOTRBCO_ : *lbTOTRCNT_;
}

void FrmBNKMain::setBalanceText(BalanceLabel which, const QString& text) {
    label(which).setText(text);
    if (which == BalanceLabel::lbTOTRBCO)
        showBankDifference();
}

QString FrmBNKMain::balanceText(BalanceLabel which) const {
    return label(which).text();
}

void FrmBNKMain::setBalanceColor(BalanceLabel which, const QColor& color) {
    paint(label(which), color);
}

void FrmBNKMain::readBankBalance() {
    bankBalance_.reset();
    try {
        if (const auto kept = Reconciler::bankBalance(requireManejo(), gCuenta.CNTSTNRO)) {
            bankBalance_ = kept->first;
            bankDate_ = kept->second;
            lbEXTRACTO_->setToolTip(tr("Saldo final del extracto del banco al %1")
                                        .arg(rt::formatDateSlashed(kept->second)));
        }
    } catch (const RuntimeError&) {
        // A ledger that cannot tell (read-only, an older layout) simply shows no statement.
    }
    showBankDifference();
}

void FrmBNKMain::showBankDifference() {
    SHEXT_->setVisible(bankBalance_.has_value());
    if (!bankBalance_)
        return;
    // The books agree with the bank when the account's realised balance on the statement's
    // closing day, whatever the interval listed, is the statement's closing balance.
    Money realised;
    try {
        Recordset rs;
        const MovementAmounts sums = sumMovements(requireManejo(), rs, gCuenta.CNTSTNRO, bankDate_);
        realised = sums.MOVDLACR - sums.MOVDLDEB;
    } catch (const RuntimeError&) {
        // A ledger that cannot sum its movements shows no comparison rather than a wrong one.
        SHEXT_->hide();
        return;
    }
    const Money difference = realised - *bankBalance_;
    lbEXTRACTO_->setText(tr("Extracto: %1").arg(rt::formatAmount(*bankBalance_)));
    lbDIFERENCIA_->setText(tr("Diferencia: %1").arg(rt::formatAmount(difference)));
    lbDIFERENCIA_->setToolTip(
        tr("Saldo realizado de la cuenta al %1 menos el saldo final del extracto")
            .arg(rt::formatDateSlashed(bankDate_)));
    paint(*lbDIFERENCIA_,
          difference.roundedToCents().isZero() ? QColor(0, 0, 0) : QColor(255, 0, 0));
}

void FrmBNKMain::setStatusPanel(int panel, const QString& text) {
    StBar_->setPanelText(panel, text);
}

void FrmBNKMain::FormatGRD() {
    LstBNK_->setCols(7);
    LstBNK_->setRow(0);
    LstBNK_->setCol(0);
    const char* headers[] = {"FECHA",     "CONCEPTO",   "A ACREDITAR",
                             "A DEBITAR", "ACREDITADO", "DEBITADO"};
    for (int c = 0; c < 6; ++c)
        LstBNK_->setTextMatrix(0, c, QString::fromLatin1(headers[c]));
    for (int c = 2; c <= 5; ++c)
        LstBNK_->setColAlignment(c, FlexGrid::CenterCenter);
    const int widths[] = {1305, 5055, 1305, 1305, 1305, 1305, 0};
    for (int c = 0; c < 7; ++c)
        LstBNK_->setColWidth(c, widths[c]);
    LstBNK_->setRows(1);
}

void FrmBNKMain::PP_SELCUENTA() {
    watch_->start(); // the account list follows other people too, from the first one shown
    frmABMCuentas_.showModal();
    const QString number = GP_TEXTO(Variant(gCuenta.CNTSTNRO));
    if (number.isEmpty())
        return;
    StBar_->setPanelText(1, QStringLiteral("Cuenta:  ") + gCuenta.CNTSTNRO +
                                QStringLiteral(" - (") + gCuenta.CNTSTNOM + u')');
    readBankBalance();
    setBalanceText(BalanceLabel::lbTOTRBCO, rt::formatAmount(realisedBankBalance(gCuenta)));
    lbTOTRCNT_->setText(rt::formatAmount(accountBalance(gCuenta)));
    CARGAR_CUENTAS(*LstBNK_);
}

void FrmBNKMain::PP_CONCILIAR() {
    std::optional<ProposedStatement> proposed;
    {
        // The dialog lists the ledger's folder, and the person may choose any file, the
        // ledger's own included: the connection takes its locks again afterwards.
        LockRenewal renewal(requireManejo());
        QString path = statementFile_;
        if (path.isEmpty())
            path = FileChooser::openFile(
                this, tr("Extracto del banco (Norma 43, camt.053, OFX, MT940 o CSV)"),
                {tr("Extractos (*.n43 *.q43 *.aeb *.txt *.xml *.053 *.ofx *.qfx *.sta *.940 "
                    "*.mt940 *.csv)"),
                 tr("Todos los archivos (*)")});
        if (path.isEmpty())
            return;
        try {
            proposed = proposeFromFile(this, path, gCuenta.CNTSTNRO);
        } catch (const RuntimeError& error) {
            reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Conciliación"));
        }
    }
    if (!proposed)
        return;
    bool applied = false;
    frmConciliacion_->setPlan(std::move(proposed->plan));
    frmConciliacion_->setStatement(std::move(proposed->statement));
    const auto told = connect(&*frmConciliacion_, &FrmConciliacion::planApplied, this,
                              [&applied] { applied = true; });
    frmConciliacion_.showModal();
    disconnect(told);
    if (!applied)
        return;
    readBankBalance();
    CARGAR_CUENTAS(*LstBNK_);
}

void FrmBNKMain::PP_HISTORIAL() {
    if (LstBNK_->rows() < 2)
        return;
    try {
        const ListedMovement listed = ListedRows::of(*LstBNK_).at(LstBNK_->row());
        frmHistorial_->setMovement(gCuenta.CNTSTNRO, listed.number.toLongLong());
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Historial"));
        return;
    }
    frmHistorial_.showModal();
}

void FrmBNKMain::PP_PAPELERA() {
    frmPapelera_->setAccount(gCuenta.CNTSTNRO, gCuenta.CNTSTNOM);
    // Each movement brought back shows in the listing behind the bin at once.
    const auto told = connect(&*frmPapelera_, &FrmPapelera::movementRestored, this,
                              [this] { CARGAR_CUENTAS(*LstBNK_); });
    frmPapelera_.showModal();
    disconnect(told);
}

void FrmBNKMain::PP_DESHACER() {
    ledgora::PP_DESHACER(gCuenta.CNTSTNRO, [this] { CARGAR_CUENTAS(*LstBNK_); });
}

void FrmBNKMain::PP_PREVISION() {
    frmPrevision_.showModal();
}

void FrmBNKMain::PP_PERIODICOS() {
    frmPeriodicos_.showModal();
    // The occurrences a saved schedule entered belong in the listing behind it.
    if (frmPeriodicos_.exists() && frmPeriodicos_->entered())
        CARGAR_CUENTAS(*LstBNK_);
}

void FrmBNKMain::PP_GRAFICO() {
    frmGraficoSaldo_.showModal();
}

void FrmBNKMain::PP_INTERVALO() {
    // However the interval screen was left, the listing is reloaded.
    frmIntervalo_.showModal();
    StBar_->setPanelText(2, intervalStatusText());
    CARGAR_CUENTAS(*LstBNK_);
}

void FrmBNKMain::Form_Load() {
    MainScreenPort::setCurrent(this);
    if (lifecycle_)
        lifecycle_->load(*this);
    watch_->start();
}

void FrmBNKMain::followOthers(const QSet<QString>& accounts) {
    if (gCuenta.CNTSTNRO.isEmpty() || !accounts.contains(gCuenta.CNTSTNRO))
        return;
    followPending_ = true;
    followWhenFree();
}

void FrmBNKMain::reopenReplacedLedger() {
    qCInfo(lcScreens) << "ledger replaced: opened again";
    requireManejo().Conectar();
    MsgBox(tr("El libro se ha reemplazado por una copia restaurada: se vuelve a abrir y se carga "
              "de nuevo."),
           MsgIcon::Exclamation);
    if (!requireManejo().EstadoConexion()) {
        MsgBox(QStringLiteral("Error en Acceder a Base de datos"), MsgIcon::Critical);
        return;
    }
    followPending_ = false;
    CARGAR_CUENTAS(*LstBNK_);
    watch_->start();
}

void FrmBNKMain::followWhenFree() {
    // The account and concept lists follow while they are the screen in front: not under a
    // question, which may hold one of their rows.
    const QWidget* front = QApplication::activeModalWidget();
    if (accountsPending_ && frmABMCuentas_.exists() && front == &*frmABMCuentas_)
        accountsPending_ = !frmABMCuentas_->followList();
    if (conceptsPending_ && frmABMConceptos_.exists() && front == &*frmABMConceptos_)
        conceptsPending_ = !frmABMConceptos_->followList();
    if (conceptsPending_ && frmConceptos_.exists() && front == &*frmConceptos_) {
        frmConceptos_->followConcepts();
        conceptsPending_ = false;
    }
    if (!frmABMCuentas_.exists() || !frmABMCuentas_->isVisible())
        accountsPending_ = false; // read afresh when it opens
    if ((!frmABMConceptos_.exists() || !frmABMConceptos_->isVisible()) &&
        (!frmConceptos_.exists() || !frmConceptos_->isVisible()))
        conceptsPending_ = false;
    if (!followPending_)
        return;
    // Under the entry screen (which appends), the edit screen (which finds its movement again
    // by number), the interval screen (which changes the interval only as it closes), the
    // history, the bin and the screens of what is ahead the listing follows at once; under a
    // question, the account screen or the reconciliation, once they close.
    static const char* const over[] = {"ledgora::FrmConceptos",    "ledgora::FrmModConcepto",
                                       "ledgora::FrmIntervalo",    "ledgora::FrmHistorial",
                                       "ledgora::FrmPapelera",     "ledgora::FrmPrevision",
                                       "ledgora::FrmGraficoSaldo", "ledgora::FrmPeriodicos"};
    if (const QWidget* modal = QApplication::activeModalWidget();
        modal && std::none_of(std::begin(over), std::end(over),
                              [modal](const char* name) { return modal->inherits(name); }))
        return;
    followPending_ = false;
    followListing(*LstBNK_);
}

void FrmBNKMain::Form_Activate() {
    if (gCuenta.CNTSTNRO.isEmpty()) {
        MsgBox(QStringLiteral("No hay seleccionada ninguna cuenta."), MsgIcon::Exclamation);
        GP_DESCARGAR(*this);
    }
}

void FrmBNKMain::Form_Unload() {
    watch_->stop();
    if (lifecycle_)
        lifecycle_->unload();
    if (MainScreenPort::current() == this)
        MainScreenPort::setCurrent(nullptr);
}

void FrmBNKMain::Form_KeyDown(int& keyCode, int shift) {
    if (keyCode == vk::Escape)
        GP_DESCARGAR(*this);
    else if (keyCode == vk::P && shift == shiftstate::Alt)
        CARGAR_LISTADO();
    else if (keyCode == vk::Z && shift == shiftstate::Ctrl) {
        keyCode = 0;
        PP_DESHACER();
    }
}

void FrmBNKMain::PP_ACRODCR() {
    ledgora::PP_ACRODCR(*LstBNK_);
}

void FrmBNKMain::PP_MODIFICARCUENTA() {
    ledgora::PP_MODIFICARCUENTA(*LstBNK_, frmModConcepto_);
}

void FrmBNKMain::PP_ELIMINARCUENTA() {
    ledgora::PP_ELIMINARCUENTA(*LstBNK_);
}

void FrmBNKMain::showEntryScreen() {
    frmConceptos_.showModal();
}

void FrmBNKMain::LstBNK_KeyDown(int& keyCode, int) {
    const bool hasData = LstBNK_->rows() >= 2;
    if (keyCode == vk::Insert)
        showEntryScreen();
    else if (keyCode == vk::F6)
        PP_SELCUENTA();
    else if (keyCode == vk::F9)
        PP_CONCILIAR();
    else if (keyCode == vk::Delete && hasData)
        PP_ELIMINARCUENTA();
    else if (keyCode == vk::Return && hasData)
        PP_MODIFICARCUENTA();
    else if (keyCode == vk::F12 && hasData)
        PP_ACRODCR();
    else if (keyCode == vk::F11 && hasData)
        PP_HISTORIAL();
    else if (keyCode == vk::F8)
        PP_PAPELERA();
    else if (keyCode == vk::F5)
        PP_PREVISION();
    else if (keyCode == vk::F4)
        PP_GRAFICO();
    else if (keyCode == vk::F7)
        PP_PERIODICOS();
}

void FrmBNKMain::LstBNK_MouseUp(int button, int shift) {
    if (button == 2 && shift == 0)
        MnuMain_->popup(QCursor::pos());
}

void FrmBNKMain::StBar_PanelClick(int panel) {
    if (panel == 1)
        PP_SELCUENTA();
    else if (panel == 2)
        PP_INTERVALO();
}

void FrmBNKMain::TbMenu_ButtonClick(int button) {
    if (button == 1)
        PP_SELCUENTA();
    else if (button == 2)
        frmABMConceptos_.showModal();
    else if (button == 3)
        PP_CONCILIAR();
}

void FrmBNKMain::Form_Resize() {
    // The bars keep to their edges, as the window system keeps aligned bars.
    const int tbHeight = Twips::toPixelsY(kToolbarHeight);
    const int sbHeight = Twips::toPixelsY(kStatusHeight);
    TbMenu_->setGeometry(0, 0, width(), tbHeight);
    StBar_->setGeometry(0, height() - sbHeight, width(), sbHeight);

    const int innerWidth = Twips::fromPixelsX(width());
    const int innerHeight = Twips::fromPixelsY(height());
    const int frameWidth = Twips::fromPixelsX(SHTOT_->width());
    const int frameHeight = Twips::fromPixelsY(SHTOT_->height());
    LstBNK_->move(0, tbHeight);
    // A value a control would refuse (a negative height on a tiny window) is skipped.
    LstBNK_->resize(width(), LstBNK_->height());
    const int gridHeight = innerHeight - kToolbarHeight - kStatusHeight - frameHeight - 50;
    if (gridHeight >= 0)
        LstBNK_->resize(LstBNK_->width(), Twips::toPixelsY(gridHeight));
    const int frameTop = Twips::fromPixelsY(LstBNK_->height()) + frameHeight - 140;
    const int frameLeft = innerWidth - frameWidth - 80;
    SHTOT_->move(SHTOT_->x(), Twips::toPixelsY(frameTop));
    if (frameLeft >= 0)
        SHTOT_->move(Twips::toPixelsX(frameLeft), SHTOT_->y());
    const int bankLeft = Twips::fromPixelsX(SHTOT_->x()) - kBankWidth - kBankGap;
    SHEXT_->move(Twips::toPixelsX(std::max(0, bankLeft)), SHTOT_->y());
}

} // namespace ledgora
