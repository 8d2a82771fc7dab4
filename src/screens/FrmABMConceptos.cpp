#include "FrmABMConceptos.h"
#include "ScreenStatements.h"
#include "domain/LedgerStatements.h"

#include "controls/ClCntrl.h"
#include "controls/FlexGrid.h"
#include "controls/TitleBanner.h"
#include "controls/TypedLength.h"
#include "core/Conversions.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ControlTag.h"
#include "platform/ErrorReport.h"
#include "platform/Keystrokes.h"
#include "platform/LabelFor.h"
#include "platform/Pointer.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <optional>

namespace ledgora {

namespace {

// Design sizes, in twips.
constexpr int kWidth = 5640;
constexpr int kGridTop = 400, kGridHeight = 2220;
constexpr int kPanelTop = 2660, kPanelHeight = 1420;
constexpr int kOpenHeight = 4425, kOpenLegend = 4140;
constexpr int kRestHeight = 2985, kRestLegend = 2700;

QRect twipsRect(int left, int top, int width, int height) {
    return {Twips::toPixelsX(left), Twips::toPixelsY(top), Twips::toPixelsX(width),
            Twips::toPixelsY(height)};
}

template <typename T> T* named(T* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// The next concept number after the highest one, as a whole number; nothing when the highest
// is too large to count on.
std::optional<QString> nextNumber(double highest) {
    const double next = std::nearbyint(highest + 1);
    if (!(std::fabs(next) < 9.0e18))
        return std::nullopt;
    return QString::number(static_cast<qint64>(next));
}

} // namespace

FrmABMConceptos::FrmABMConceptos() {
    setCaption(QString()); // the window has no caption text
    setKeyPreview(true);
    buildControls();
}

FrmABMConceptos::~FrmABMConceptos() = default;

void FrmABMConceptos::buildControls() {
    Label1_ = named(new TitleBanner(QStringLiteral("CONCEPTOS"), this, TitleBanner::Size::Normal),
                    "Label1");
    Label1_->setGeometry(twipsRect(0, 0, kWidth, 340));
    Label1_->setAlignment(Qt::AlignCenter);

    lstCON_ = named(new FlexGrid(this), "lstCON");
    lstCON_->setAccessibleName(tr("Conceptos"));
    lstCON_->setGeometry(twipsRect(60, kGridTop, kWidth - 120, kGridHeight));
    lstCON_->setKeyDownHandler([this](int& keyCode, int shift) { lstCON_KeyDown(keyCode, shift); });

    Frame1_ = named(new QFrame(this), "Frame1");
    Frame1_->setFrameShape(QFrame::Box);
    Frame1_->setFrameShadow(QFrame::Sunken);
    Frame1_->setGeometry(twipsRect(60, kPanelTop, kWidth - 120, kPanelHeight));
    auto label = [this](const char* name, const QString& caption, QRect where, QWidget* control) {
        QLabel* label = named(new QLabel(caption, Frame1_), name);
        label->setGeometry(where);
        labelFor(label, control);
    };
    txtCONTSTNRO_ = named(new QLineEdit(Frame1_), "txtCONTSTNRO");
    label("Label2", QStringLiteral(" Número:"), twipsRect(120, 120, 900, 240), txtCONTSTNRO_);
    txtCONTSTNRO_->setGeometry(twipsRect(120, 360, 900, 315));
    TypedLength::apply(txtCONTSTNRO_, 4); // a proposed "10000" is still shown whole
    txtCONSTDSC_ = named(new QLineEdit(Frame1_), "txtCONSTDSC");
    label("Label3", QStringLiteral(" Descrición:"), twipsRect(1140, 120, 2000, 240), txtCONSTDSC_);
    txtCONSTDSC_->setGeometry(twipsRect(1140, 360, kWidth - 1500, 315));
    TypedLength::apply(txtCONSTDSC_, 50);
    cbCONSTTIP_ = named(new QComboBox(Frame1_), "cbCONSTTIP");
    label("Label4", QStringLiteral(" Tipo:"), twipsRect(120, 760, 900, 240), cbCONSTTIP_);
    cbCONSTTIP_->setGeometry(twipsRect(120, 1000, 1800, 315));
    cbCONSTTIP_->installEventFilter(this);
    Command1_ = named(new QPushButton(QStringLiteral("Guardar"), Frame1_), "Command1");
    Command1_->setGeometry(twipsRect(kWidth - 1860, 960, 1500, 375));
    Command1_->setAutoDefault(false);
    connect(Command1_, &QPushButton::clicked, this,
            [this] { guardEvent([this] { Command1_Click(); }); });
    QWidget::setTabOrder(txtCONTSTNRO_, txtCONSTDSC_);
    QWidget::setTabOrder(txtCONSTDSC_, cbCONSTTIP_);
    QWidget::setTabOrder(cbCONSTTIP_, Command1_);
    QWidget::setTabOrder(Command1_, lstCON_);

    lbKEY_ =
        named(new QLabel(QStringLiteral("INSERT (Agregar) - ENTER (Modificar) - DELETE (Eliminar)"),
                         this),
              "lbKEY");
}

void FrmABMConceptos::setLayout(int windowHeight, int legendTop) {
    setFixedSize(Twips::toPixelsX(kWidth), Twips::toPixelsY(windowHeight));
    lbKEY_->setGeometry(twipsRect(60, legendTop, kWidth - 120, 260));
}

void FrmABMConceptos::TAMA() {
    setLayout(kOpenHeight, kOpenLegend);
    Frame1_->show();
    Frame1_->setEnabled(true);
    lstCON_->setFocusPolicy(Qt::ClickFocus); // still takes the mouse, out of the tab order
    txtCONTSTNRO_->setFocus();
}

void FrmABMConceptos::TAMB() {
    setLayout(kRestHeight, kRestLegend);
    Frame1_->setEnabled(false);
    Frame1_->hide();
    lstCON_->setFocusPolicy(Qt::StrongFocus);
    txtCONTSTNRO_->setEnabled(true);
    // The panel's controls are gone: INSERT, ENTER and DELETE are the grid's keys, so the
    // next one works without a TAB first.
    lstCON_->setFocus();
}

QString FrmABMConceptos::mode() const {
    return controlTag(this);
}

void FrmABMConceptos::setMode(const QString& mode) {
    setControlTag(this, mode);
}

bool FrmABMConceptos::hasConcepts() const {
    return lstCON_->rows() >= 2;
}

void FrmABMConceptos::selectCurrentRow() {
    lstCON_->setCol(0);
    lstCON_->setColSel(lstCON_->cols() - 1);
}

void FrmABMConceptos::Form_Load() {
    lstCON_->setCols(3);
    const char* headers[] = {"NRO", "DESCRIPCION", "ESTADO"};
    for (int c = 0; c < 3; ++c)
        lstCON_->setTextMatrix(0, c, QString::fromLatin1(headers[c]));
    lstCON_->setColWidth(1, 2000);
    lstCON_->setColWidth(2, 2000);
    links_[0] = std::make_unique<ClCntrl>();
    links_[0]->sLinkText(txtCONSTDSC_);
    links_[1] = std::make_unique<ClCntrl>();
    links_[1]->sLinkText(txtCONTSTNRO_);
    TAMB();
    cbCONSTTIP_->addItem(QStringLiteral("CREDITO"));
    cbCONSTTIP_->addItem(QStringLiteral("DEBITO"));
    cbCONSTTIP_->setCurrentIndex(0);
    PP_CARGARLST();
}

void FrmABMConceptos::PP_CARGARLST() {
    Recordset rs;
    BusyPointer busy;
    try {
        requireManejo().Sql(QStringLiteral("select count(1) as tot from BANCON"),
                            forms::conceptsCount);
        requireManejo().RsDesconectado(true);
        requireManejo().CrearRs(rs);
        const int count =
            rt::toInt32(rt::leadingNumber(rt::toText(rs.Fields(QStringLiteral("tot")))));
        rs.Close();

        requireManejo().Sql(QStringLiteral("select * from BANCON order by CONSTDSC"),
                            forms::conceptsList);
        requireManejo().RsDesconectado(true);
        requireManejo().CrearRs(rs);
        if (!requireManejo().RsEstado())
            return;
        lstCON_->setRows(1);
        lstCON_->setRows(count + 1);
        // Cell by cell rather than as one tab-separated paste: a description holding a tab
        // must not spill into the type column, which ENTER reads back.
        for (int r = 1; r <= count && !rs.Eof(); ++r, rs.MoveNext())
            for (int c = 0; c < 3; ++c)
                lstCON_->setTextMatrix(r, c, rt::toText(rs.Fields(c)));
        // An empty table has no first concept to select; the number is still proposed.
        if (hasConcepts()) {
            lstCON_->setRow(1);
            selectCurrentRow();
        }
        rs.Close();

        requireManejo().Sql(QStringLiteral("select max(val(constnro)) as LastID from BANCON"),
                            forms::conceptsHighest);
        requireManejo().RsDesconectado(true);
        requireManejo().CrearRs(rs);
        auto proposal =
            nextNumber(rt::leadingNumber(rt::toText(rs.Fields(QStringLiteral("LastID")))));
        // An older file's number too large to count on ("9e99") is passed over; the proposal
        // follows the highest listed number that is usable.
        if (!proposal) {
            double highest = 0;
            for (int r = 1; r < lstCON_->rows(); ++r)
                if (const double n = rt::leadingNumber(lstCON_->textMatrix(r, 0));
                    n > highest && nextNumber(n))
                    highest = n;
            proposal = nextNumber(highest);
        }
        txtCONTSTNRO_->setText(proposal.value_or(QStringLiteral("1")));
        proposed_ = txtCONTSTNRO_->text();
        rs.Close();
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Sección ABMConcepto.PP_CARGARLST"));
    }
}

bool FrmABMConceptos::followList() {
    if (mode() == u"M")
        return false;
    // While a concept is added, the proposed number follows; a number the person typed stays.
    const QString typed = txtCONTSTNRO_->text();
    const bool ownNumber = mode() == u"A" && typed != proposed_;
    const int row = lstCON_->row();
    const QString selected =
        row >= 1 && row < lstCON_->rows() ? lstCON_->textMatrix(row, 0) : QString();
    PP_CARGARLST();
    for (int r = 1; r < lstCON_->rows(); ++r) {
        if (lstCON_->textMatrix(r, 0) == selected) {
            lstCON_->setRow(r);
            selectCurrentRow();
            break;
        }
    }
    if (ownNumber)
        txtCONTSTNRO_->setText(typed);
    return true;
}

void FrmABMConceptos::Form_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Escape)
        GP_DESCARGAR(*this);
}

void FrmABMConceptos::lstCON_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Insert)
        PP_AGREGARi();
    else if (keyCode == vk::Return && hasConcepts())
        PP_MODIFICARi();
    else if (keyCode == vk::Delete && hasConcepts())
        PP_ELIMINAR();
}

bool FrmABMConceptos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cbCONSTTIP_ && event->type() == QEvent::KeyPress) {
        const KeyInfo info = keyInfoOf(*static_cast<QKeyEvent*>(event));
        int keyCode = info.keyCode;
        cbCONSTTIP_KeyDown(keyCode, info.shift);
        if (keyCode == 0)
            return true;
    }
    return Screen::eventFilter(watched, event);
}

void FrmABMConceptos::cbCONSTTIP_KeyDown(int& keyCode, int) {
    // ENTER in the type list goes back to the description, not on to "Guardar".
    if (keyCode == vk::Return) {
        Keystrokes::send(Keystroke::ShiftTab, true);
        keyCode = 0;
    }
}

void FrmABMConceptos::PP_AGREGARi() {
    // The panel keeps what it last held; the number is the one the last loading proposed.
    TAMA();
    setMode(QStringLiteral("A"));
}

void FrmABMConceptos::PP_MODIFICARi() {
    try {
        TAMA();
        setMode(QStringLiteral("M"));
        const int row = lstCON_->row();
        txtCONTSTNRO_->setText(lstCON_->textMatrix(row, 0));
        txtCONSTDSC_->setText(lstCON_->textMatrix(row, 1));
        cbCONSTTIP_->setCurrentIndex(lstCON_->textMatrix(row, 2).startsWith(u'C') ? 0 : 1);
        txtCONTSTNRO_->setEnabled(false); // the number of the concept being changed stays
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Seccion ABMConceptos.PP_MODIFICARi"));
        Pointer::set(PointerShape::Normal);
    }
}

void FrmABMConceptos::Command1_Click() {
    if (mode() == u"A")
        PP_AGREGARf();
    else if (mode() == u"M")
        PP_MODIFICARf();
}

bool FrmABMConceptos::PP_VERIFICAR() {
    try {
        Pointer::set(PointerShape::Busy); // the caller's guard shows the arrow again
        if (!isKeyNumber(txtCONTSTNRO_->text())) {
            MsgBox(QStringLiteral("Debe ingresar un valor Númerico"), MsgIcon::Exclamation);
            txtCONTSTNRO_->setFocus();
            return false;
        }
        if (rt::trimBlanks(txtCONSTDSC_->text()).isEmpty()) {
            MsgBox(QStringLiteral("Debe ingresar una DESCRIPCIÓN"), MsgIcon::Exclamation);
            txtCONSTDSC_->setFocus();
            return false;
        }
        if (cbCONSTTIP_->currentIndex() < 0) {
            MsgBox(QStringLiteral("Debe seleccionar un TIPO DE CONCEPTO"), MsgIcon::Exclamation);
            return false;
        }
        return true;
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "));
        return false;
    }
}

bool FrmABMConceptos::takeFields() {
    number_ = txtCONTSTNRO_->text();
    description_ = txtCONSTDSC_->text();
    type_ = cbCONSTTIP_->currentText().left(1).toUpper();
    if (type_ != u"C" && type_ != u"D") {
        MsgBox(QStringLiteral("Tipo de Cuenta seleccinada es desconocida"), MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void FrmABMConceptos::save(const QString& statement, FormName form, const QString& notSaved) {
    requireManejo().Sql(statement, form);
    if (requireManejo().Ejecutar() > 0) {
        PP_CARGARLST();
        TAMB();
    } else {
        // Nothing was written (the concept being changed is gone, or there is no database):
        // the person is told, and the panel keeps what was typed.
        MsgBox(notSaved, MsgIcon::Critical);
    }
}

void FrmABMConceptos::PP_AGREGARf() {
    BusyPointer busy;
    try {
        if (mode() == u"A" && PP_VERIFICAR() && takeFields()) {
            statement_ = QStringLiteral("insert into BANCON (CONSTNRO,CONSTDSC,CONSTTIP) values (");
            statement_ += u'\'' + number_ + QStringLiteral("',");
            statement_ += u'\'' + description_ + QStringLiteral("',");
            statement_ += u'\'' + type_ + QStringLiteral("')");
            save(statement_, forms::conceptsInsert, tr("No se agregó ningún concepto."));
        }
    } catch (const RuntimeError& error) {
        // A number that already exists ends here too, with the database's own words.
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Seccion ABMConceptos.PP_AGREGARf"));
        busy.release();
        txtCONTSTNRO_->setFocus();
    }
}

void FrmABMConceptos::PP_MODIFICARf() {
    BusyPointer arrowFirst(PointerShape::Normal);
    try {
        if (mode() == u"M" && PP_VERIFICAR() && takeFields()) {
            statement_ = QStringLiteral("update BANCON set ");
            statement_ += QStringLiteral("CONSTDSC = '") + description_ + QStringLiteral("',");
            statement_ += QStringLiteral("CONSTTIP = '") + type_ + QStringLiteral("' ");
            statement_ += QStringLiteral("WHERE CONSTNRO = '") + number_ + u'\'';
            save(statement_, forms::conceptsUpdate, tr("No se modificó ningún concepto."));
        }
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Seccion ABMConceptos.PP_MODIFICARf"));
    }
}

void FrmABMConceptos::PP_ELIMINAR() {
    try {
        if (!hasConcepts())
            return;
        if (MsgBox(QStringLiteral("Confirma eliminar el item seleccionado"), MsgIcon::Question,
                   MsgButtons::YesNo) != MsgAnswer::Yes)
            return;
        const int row = lstCON_->row();
        number_ = lstCON_->textMatrix(row, 0);
        requireManejo().Sql(QStringLiteral("DELETE FROM BANCON WHERE CONSTNRO = '") + number_ +
                                u'\'',
                            forms::conceptsDelete);
        if (requireManejo().Ejecutar() > 0) {
            // The row goes without reloading the list; the proposed number stays.
            lstCON_->removeItem(row);
            if (hasConcepts())
                selectCurrentRow();
        } else {
            MsgBox(QStringLiteral("No se elimino ningun registro"), MsgIcon::Critical);
        }
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "),
                    QStringLiteral("Sección ABMConceptos.PP_ELIMINAR"), MsgIcon::None);
    }
}

} // namespace ledgora
