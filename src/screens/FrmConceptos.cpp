#include "FrmConceptos.h"

#include "controls/ClCntrl.h"
#include "controls/FlexGrid.h"
#include "controls/TitleBanner.h"
#include "core/Conversions.h"
#include "core/RuntimeError.h"
#include "data/WriteBatch.h"
#include "domain/LedgerStatements.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "domain/StoredKey.h"
#include "ledger/AccountTotals.h"
#include "ledger/ListedRows.h"
#include "ledger/MainScreenPort.h"
#include "ledger/MovementListing.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/Keystrokes.h"
#include "platform/LabelFor.h"
#include "platform/Pointer.h"
#include "platform/ScreenLog.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace ledgora {

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 2640;
const QColor kPaleGreen(236, 249, 232);

} // namespace

FrmConceptos::FrmConceptos() {
    setCaption(QString());
    setKeyPreview(true);
    buildControls();
}

FrmConceptos::~FrmConceptos() = default;

void FrmConceptos::buildControls() {
    setFixedSize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kHeight));
    auto* banner = new TitleBanner(QStringLiteral(" Agregar Concepto"), this);
    banner->setObjectName(QStringLiteral("Label1"));
    banner->setGeometry(Twips::toPixels(0, 0, kWidth, 340));
    // Each box or list is named by the caption above it, for the keyboard and a screen reader.
    auto caption = [this](const QString& text, int left, int top, int width, QWidget* control) {
        auto* label = new QLabel(text, this);
        label->setGeometry(Twips::toPixels(left, top, width, 240));
        labelFor(label, control);
    };
    auto box = [this](const char* name, int left, int top, int width) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(Twips::toPixels(left, top, width, 315));
        return edit;
    };
    auto list = [this](const char* name, int left, int top, int width) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setGeometry(Twips::toPixels(left, top, width, 315));
        return combo;
    };
    txtMOVDTALT_ = box("txtMOVDTALT", 120, 700, 1400);
    caption(QStringLiteral(" Fecha:"), 120, 460, 1400, txtMOVDTALT_);
    txtMOVDTALT_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cboCONDSC_ = list("cboCONDSC", 1640, 700, 4240);
    caption(QStringLiteral(" Concepto:"), 1640, 460, 4240, cboCONDSC_);
    cboCONNRO_ = list("cboCONNRO", 1640, 700, 4240);
    cboCONNRO_->setAccessibleName(tr("Número de concepto"));
    cboCONNRO_->hide();
    cboCONNRO_->setFocusPolicy(Qt::NoFocus);
    txtMOVSTCPT_ = box("txtMOVSTCPT", 120, 1320, kWidth - 240);
    caption(QStringLiteral(" Descripción:"), 120, 1080, kWidth - 240, txtMOVSTCPT_);
    txtVALOR_ = box("txtVALOR", 120, 1940, 1700);
    caption(QStringLiteral(" Valor:"), 120, 1700, 1700, txtVALOR_);
    txtVALOR_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cboCONTIP_ = list("cboCONTIP", 1940, 1940, 2100);
    caption(QStringLiteral(" Estado:"), 1940, 1700, 2100, cboCONTIP_);
    cmdAgregar_ = new QPushButton(QStringLiteral("Agregar"), this);
    cmdAgregar_->setObjectName(QStringLiteral("cmdAgregar"));
    cmdAgregar_->setGeometry(Twips::toPixels(kWidth - 1800, 1910, 1680, 375));
    cmdAgregar_->setAutoDefault(false);
    connect(cmdAgregar_, &QPushButton::clicked, this,
            [this] { guardEvent([this] { Agregar(); }); });
    QWidget::setTabOrder(txtMOVDTALT_, cboCONDSC_);
    QWidget::setTabOrder(cboCONDSC_, txtMOVSTCPT_);
    QWidget::setTabOrder(txtMOVSTCPT_, txtVALOR_);
    QWidget::setTabOrder(txtVALOR_, cboCONTIP_);
    QWidget::setTabOrder(cboCONTIP_, cmdAgregar_);
}

void FrmConceptos::Form_Load() {
    Recordset rs;
    BusyPointer busy;
    try {
        QLineEdit* boxes[] = {txtMOVDTALT_, txtMOVSTCPT_, txtVALOR_};
        for (std::size_t k = 0; k < links_.size(); ++k) {
            links_[k] = std::make_unique<ClCntrl>();
            links_[k]->sLinkText(boxes[k]);
        }
        // Watched after the links, so the proposal is in the box before it is selected whole.
        for (QWidget* w : {static_cast<QWidget*>(cboCONDSC_), static_cast<QWidget*>(cboCONTIP_),
                           static_cast<QWidget*>(txtMOVSTCPT_)})
            w->installEventFilter(this);
        txtMOVDTALT_->setText(rt::formatDateSlashed(QDate::currentDate()));

        if (!readConcepts(rs)) {
            rs.Close();
            return;
        }
        if (cboCONDSC_->count() > 0) {
            cboCONDSC_->setCurrentIndex(0);
            cboCONNRO_->setCurrentIndex(0);
        }
        rs.Close();
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Carga_Conceptos"));
    }
}

bool FrmConceptos::readConcepts(Recordset& rs) {
    requireManejo().Sql(QStringLiteral("select * from BANCON ORDER BY CONSTDSC"),
                        forms::entryConcepts);
    requireManejo().RsDesconectado(true);
    requireManejo().CrearRs(rs);
    if (!requireManejo().RsEstado())
        return false;
    cboCONDSC_->clear();
    cboCONNRO_->clear();
    for (; !rs.Eof(); rs.MoveNext()) {
        cboCONDSC_->addItem(GP_TEXTO(rs.Fields(QStringLiteral("CONSTDSC"))));
        cboCONNRO_->addItem(GP_TEXTO(rs.Fields(QStringLiteral("CONSTTIP"))).left(1) +
                            GP_TEXTO(rs.Fields(QStringLiteral("CONSTNRO"))));
    }
    return true;
}

void FrmConceptos::followConcepts() {
    const int at = cboCONDSC_->currentIndex();
    const QString chosen = at < 0 ? QString() : cboCONNRO_->itemText(at);
    Recordset rs;
    try {
        if (!readConcepts(rs))
            return;
    } catch (const RuntimeError& error) {
        qCInfo(lcScreens) << "concepts not followed:" << error.description();
        return;
    }
    rs.Close();
    // The concept chosen stays chosen; one another person removed gives way to the first.
    const int found = cboCONNRO_->findText(chosen);
    const int now = found >= 0 ? found : (cboCONDSC_->count() > 0 ? 0 : -1);
    cboCONDSC_->setCurrentIndex(now);
    cboCONNRO_->setCurrentIndex(now);
}

void FrmConceptos::Form_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Escape)
        GP_DESCARGAR(*this);
}

bool FrmConceptos::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == cboCONTIP_)
            cboCONTIP_GotFocus();
        else if (watched == txtMOVSTCPT_)
            txtMOVSTCPT_GotFocus();
    } else if (event->type() == QEvent::KeyPress &&
               (watched == cboCONDSC_ || watched == cboCONTIP_)) {
        // ENTER in the two lists moves on, as TAB does.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Keystrokes::send(Keystroke::Tab, true);
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

QString FrmConceptos::typeLetter() const {
    const int at = cboCONDSC_->currentIndex();
    return at < 0 ? QString() : cboCONNRO_->itemText(at).left(1);
}

QString FrmConceptos::conceptNumber() const {
    const int at = cboCONDSC_->currentIndex();
    return at < 0 ? QString() : cboCONNRO_->itemText(at).mid(1);
}

void FrmConceptos::cboCONTIP_GotFocus() {
    if (cboCONDSC_->count() == 0)
        return;
    const QString letter = typeLetter();
    // A status already chosen survives while the concept's type stays the same.
    if (letter == u"C" && cboCONTIPTag_ != u"C") {
        cboCONTIP_->clear();
        cboCONTIP_->addItems({QStringLiteral("(A) ACREDITAR"), QStringLiteral("(B) ACREDITADO")});
        cboCONTIPTag_ = letter;
        cboCONTIP_->setCurrentIndex(0);
    } else if (letter == u"D" && cboCONTIPTag_ != u"D") {
        cboCONTIP_->clear();
        cboCONTIP_->addItems({QStringLiteral("(A) A DEBITAR"), QStringLiteral("(B) DEBITADO")});
        cboCONTIPTag_ = letter;
        cboCONTIP_->setCurrentIndex(0);
    }
}

QString FrmConceptos::proposedDescription() const {
    return cboCONDSC_->currentText() + u' ' + rt::formatDateDashed(QDate::currentDate());
}

void FrmConceptos::txtMOVSTCPT_GotFocus() {
    if (rt::trimBlanks(txtMOVSTCPT_->text()).isEmpty() && cboCONDSC_->count() > 0)
        txtMOVSTCPT_->setText(proposedDescription());
}

MovementAmounts FrmConceptos::amountsFor(Money value) const {
    const QString letter = typeLetter();
    const QString status = cboCONTIP_->currentText().left(3);
    MovementAmounts amounts;
    if (letter == u"C")
        (status == u"(A)" ? amounts.MOVDLAAC : amounts.MOVDLACR) = value;
    else if (letter == u"D")
        (status == u"(A)" ? amounts.MOVDLADE : amounts.MOVDLDEB) = value;
    return amounts;
}

void FrmConceptos::Agregar() {
    try {
        if (rt::trimBlanks(txtMOVSTCPT_->text()).isEmpty())
            txtMOVSTCPT_->setText(proposedDescription());
        const auto movement = checkedMovement();
        if (!movement)
            return;
        const auto stored = store(*movement);
        if (!stored)
            return;
        showOnMainScreen(*stored);
        readyForNext();
    } catch (const RuntimeError& error) {
        // A failure of the store itself: the typed values stay for another try.
        reportError(error, QStringLiteral(" / "), QStringLiteral("Seccion Conceptos.Agregar"));
        Pointer::set(PointerShape::Normal);
    }
}

std::optional<NewMovement> FrmConceptos::checkedMovement() const {
    if (rt::trimBlanks(gCuenta.CNTSTNOM).isEmpty()) {
        MsgBox(QStringLiteral("NO HAY CUENTA SELECCIONADA"), MsgIcon::Critical);
        return std::nullopt;
    }
    if (cboCONDSC_->currentIndex() < 0) {
        MsgBox(QStringLiteral("Debe seleccionar un CONCEPTO"), MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (cboCONTIP_->currentIndex() < 0) {
        MsgBox(QStringLiteral("Debe seleccionar un ESTADO de Concepto."), MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (!rt::readsAsNumber(txtVALOR_->text())) {
        MsgBox(QStringLiteral("Debe Ingresar NÚMEROS en el campo VALOR."), MsgIcon::Exclamation);
        return std::nullopt;
    }
    // A number beyond what an amount holds is an overflow, never a wrapped value.
    const auto typed = rt::readAmount(txtVALOR_->text());
    if (!typed)
        throw RuntimeError::overflow();
    const Money value = typed->roundedToCents();
    const auto date = rt::readDate(txtMOVDTALT_->text());
    if (!date) {
        MsgBox(QStringLiteral("Debe ingresar una FECHA valida."), MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (gCuenta.UltimoMovimiento == std::numeric_limits<std::int32_t>::max())
        throw RuntimeError::overflow();
    return NewMovement{AccountKey(gCuenta.CNTSTNRO).text(),
                       gCuenta.UltimoMovimiento + 1,
                       *date,
                       ConceptKey(conceptNumber()).text(),
                       rt::trimBlanks(txtMOVSTCPT_->text()).left(100),
                       amountsFor(value)};
}

std::optional<NewMovement> FrmConceptos::store(NewMovement movement) {
    // The number is taken inside the write: the account's row is held first, so that another
    // person saving into the account meanwhile waits for this write, and the movement follows
    // the highest number stored then, whatever this screen last knew.
    WriteBatch batch(requireManejo());
    requireManejo().Ejecutar(forms::ledgerHoldAccount, {movement.account});
    Recordset rs;
    if (const auto highest = highestMovementNumber(requireManejo(), rs, movement.account)) {
        if (*highest == std::numeric_limits<std::int32_t>::max())
            throw RuntimeError::overflow();
        movement.number = *highest + 1;
    }
    auto amount = [](Money m) { return rt::generalNumberText(m); };
    const MovementAmounts& amounts = movement.amounts;
    gsSQL = QStringLiteral("INSERT INTO BANMOV (CNTSTNRO , MOVINNRO, MOVDTALT, CONSTNRO, "
                           "MOVSTCPT, MOVDLAAC , MOVDLADE, MOVDLACR, MOVDLDEB) VALUES (");
    gsSQL += u'\'' + movement.account + QStringLiteral("',");
    gsSQL += u'\'' + QString::number(movement.number) + QStringLiteral("',");
    gsSQL += QStringLiteral("datevalue('") + rt::formatDateSlashed(movement.date) +
             QStringLiteral("'),");
    gsSQL += u'\'' + movement.concept + QStringLiteral("',");
    gsSQL += u'\'' + movement.description + QStringLiteral("',");
    gsSQL += u'\'' + amount(amounts.MOVDLAAC) + QStringLiteral("',");
    gsSQL += u'\'' + amount(amounts.MOVDLADE) + QStringLiteral("',");
    gsSQL += u'\'' + amount(amounts.MOVDLACR) + QStringLiteral("',");
    gsSQL += u'\'' + amount(amounts.MOVDLDEB) + QStringLiteral("')");
    requireManejo().Sql(gsSQL, forms::entryInsertMovement);
    long inserted = 0;
    try {
        inserted = requireManejo().Ejecutar();
    } catch (const RuntimeError& error) {
        if (error.kind() != RuntimeError::Kind::DuplicateKey)
            throw;
        // Someone else stored a movement under this number at the same instant: theirs
        // stays, this one waits on the screen for the next number.
        batch.rollback();
        takeLastMovementFromStore();
        MsgBox(tr("Otra persona grabó un movimiento con el número %1 en esta cuenta. El suyo "
                  "no se grabó: presione Agregar de nuevo para grabarlo con el número siguiente.")
                   .arg(movement.number),
               MsgIcon::Exclamation);
        return std::nullopt;
    }
    if (inserted <= 0) {
        MsgBox(QStringLiteral("No se agrego el Concepto."), MsgIcon::Exclamation);
        return std::nullopt;
    }
    batch.commit();

    gCuenta.UltimoMovimiento = movement.number;
    gCuenta.TOMDLAAC += amounts.MOVDLAAC;
    gCuenta.TOMDLACR += amounts.MOVDLACR;
    gCuenta.TOMDLADE += amounts.MOVDLADE;
    gCuenta.TOMDLDEB += amounts.MOVDLDEB;
    GP_ACTUALIZARCUENTA();
    return movement;
}

void FrmConceptos::showOnMainScreen(const NewMovement& movement) {
    MainScreenPort* main = MainScreenPort::current();
    if (!main)
        return;
    // A movement of another day belongs elsewhere in the listing, or outside it.
    if (movement.date != QDate::currentDate()) {
        CARGAR_CUENTAS(main->LstBNK());
        return;
    }
    const ListedMovement listed = {QString::number(gCuenta.UltimoMovimiento),
                                   rt::formatDateSlashed(movement.date), movement.description,
                                   movement.amounts};
    const MovementAmounts& amounts = listed.amounts;
    const QStringList cells = {listed.date,
                               listed.description,
                               rt::formatAmount(amounts.MOVDLAAC),
                               rt::formatAmount(amounts.MOVDLADE),
                               rt::formatAmount(amounts.MOVDLACR),
                               rt::formatAmount(amounts.MOVDLDEB),
                               listed.number};
    FlexGrid& grid = main->LstBNK();
    grid.addItem(cells.join(u'\t'));
    ListedRows::of(grid).append(listed);
    // The credit columns keep their shading over every data row.
    for (int col : {2, 4}) {
        grid.setCol(col);
        grid.setRow(1);
        grid.setRowSel(grid.rows() - 1);
        grid.setCellBackColor(kPaleGreen);
    }
    grid.setRow(grid.rows() - 1);
    grid.setCol(2);
    grid.setColSel(grid.cols() - 1);
    grid.setCellAlignment(FlexGrid::RightCenter);
    grid.setCol(0);
    grid.setColSel(grid.cols() - 1);
}

void FrmConceptos::readyForNext() {
    // Ready for the next movement of the same day.
    txtMOVSTCPT_->clear();
    txtVALOR_->clear();
    if (cboCONDSC_->count() > 0) {
        cboCONDSC_->setCurrentIndex(0);
        cboCONNRO_->setCurrentIndex(0);
    }
    if (cboCONTIP_->count() > 0)
        cboCONTIP_->setCurrentIndex(0);
    cboCONDSC_->setFocus();
}

void FrmConceptos::takeLastMovementFromStore() {
    Recordset rs;
    if (const auto highest = highestMovementNumber(requireManejo(), rs, gCuenta.CNTSTNRO))
        gCuenta.UltimoMovimiento = *highest;
}

} // namespace ledgora
