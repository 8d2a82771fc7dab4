#include "FrmIntervalo.h"
#include "ScreenStatements.h"

#include "controls/ClCntrl.h"
#include "controls/TitleBanner.h"
#include "core/Conversions.h"
#include "core/SettingsStore.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "ledger/MainScreenPort.h"
#include "platform/ErrorReport.h"
#include "platform/LabelFor.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ledgora {

namespace {

// Design sizes, in twips.
constexpr int kWidth = 4860;
constexpr int kHeight = 2520;
constexpr int kFrameTop = 1140;

QRect twipsRect(int left, int top, int width, int height) {
    return {Twips::toPixelsX(left), Twips::toPixelsY(top), Twips::toPixelsX(width),
            Twips::toPixelsY(height)};
}

template <typename T> T* named(T* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

FrmIntervalo::FrmIntervalo() {
    setCaption(QString()); // the window has no caption text
    setKeyPreview(true);
    buildControls();
}

FrmIntervalo::~FrmIntervalo() = default;

void FrmIntervalo::buildControls() {
    setFixedSize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kHeight));

    Label1_ = named(new TitleBanner(QStringLiteral("Ingrese, el intervalo para la Cuenta "
                                                   "Seleccionada"),
                                    this, TitleBanner::Size::Normal),
                    "Label1");
    Label1_->setGeometry(twipsRect(0, 0, kWidth, 360));
    Label1_->setAlignment(Qt::AlignCenter);

    txtDesde_ = named(new QLineEdit(this), "txtDesde");
    txtDesde_->setGeometry(twipsRect(240, 560, 1300, 315));
    txtHasta_ = named(new QLineEdit(this), "txtHasta");
    txtHasta_->setGeometry(twipsRect(1680, 560, 1300, 315));
    txtDesde_->setAlignment(Qt::AlignCenter);
    txtHasta_->setAlignment(Qt::AlignCenter);
    cmdAceptar_ = named(new QPushButton(QStringLiteral("Aceptar"), this), "cmdAceptar");
    cmdAceptar_->setGeometry(twipsRect(3260, 530, 1360, 375));
    cmdAceptar_->setAutoDefault(false);
    connect(cmdAceptar_, &QPushButton::clicked, this,
            [this] { guardEvent([this] { cmdAceptar_Click(); }); });

    // The check box sits on the frame's top edge as its title, outside it, so that it stays
    // usable while the frame and everything in it is disabled.
    framFIL_ = named(new QFrame(this), "framFIL");
    framFIL_->setFrameShape(QFrame::Box);
    framFIL_->setFrameShadow(QFrame::Sunken);
    framFIL_->setGeometry(twipsRect(120, kFrameTop, kWidth - 240, kHeight - kFrameTop - 120));
    chFIL_ = named(new QCheckBox(QStringLiteral("Usar filtro"), this), "chFIL");
    chFIL_->setGeometry(twipsRect(240, kFrameTop - 120, 1200, 240));
    chFIL_->setAutoFillBackground(true);
    chFIL_->raise();
    connect(chFIL_, &QCheckBox::toggled, this, [this] { chFIL_Click(); });

    auto* label2 = named(new QLabel(QStringLiteral("Concepto"), framFIL_), "Label2");
    label2->setGeometry(twipsRect(120, 260, 1000, 315));
    cboConcepto_ = named(new QComboBox(framFIL_), "cboConcepto");
    cboConcepto_->setEditable(false);
    cboConcepto_->setGeometry(twipsRect(1160, 240, 3220, 315));
    auto* label3 = named(new QLabel(QStringLiteral("con el Valor"), framFIL_), "Label3");
    label3->setGeometry(twipsRect(120, 700, 1000, 315));
    txtValor_ = named(new QLineEdit(framFIL_), "txtValor");
    txtValor_->setGeometry(twipsRect(1160, 680, 3220, 315));
    cboID_ = named(new QComboBox(framFIL_), "cboID");
    labelFor(label2, cboConcepto_);
    labelFor(label3, txtValor_);
    txtDesde_->setAccessibleName(tr("Desde"));
    txtHasta_->setAccessibleName(tr("Hasta"));
    cboID_->setAccessibleName(tr("Número de concepto"));
    cboID_->hide(); // the concept numbers, item for item beside the descriptions

    QWidget::setTabOrder(txtDesde_, txtHasta_);
    QWidget::setTabOrder(txtHasta_, cmdAceptar_);
    QWidget::setTabOrder(cmdAceptar_, chFIL_);
    QWidget::setTabOrder(chFIL_, cboConcepto_);
    QWidget::setTabOrder(cboConcepto_, txtValor_);
}

void FrmIntervalo::Form_Load() {
    QLineEdit* boxes[] = {txtDesde_, txtHasta_, txtValor_};
    for (std::size_t k = 0; k < links_.size(); ++k) {
        links_[k] = std::make_unique<ClCntrl>();
        links_[k]->sLinkText(boxes[k]);
    }
    txtDesde_->setText(rt::formatDateSlashed(gFechaDesde));
    txtHasta_->setText(rt::formatDateSlashed(gFechaHasta));
    chFIL_->setChecked(false);
    framFIL_->setEnabled(false);
    loadConcepts();
}

void FrmIntervalo::loadConcepts() {
    Recordset rs;
    bool listed = false;
    try {
        requireManejo().Sql(
            QStringLiteral("select CONSTNRO,CONSTDSC from BANCON order by CONSTDSC"),
            forms::intervalConcepts);
        listed = requireManejo().CrearRs(rs);
        for (; listed && !rs.Eof(); rs.MoveNext()) {
            cboConcepto_->addItem(rt::toText(rs.Fields(QStringLiteral("CONSTDSC"))));
            cboID_->addItem(rt::toText(rs.Fields(QStringLiteral("CONSTNRO"))));
        }
    } catch (const RuntimeError&) {
        listed = false; // no concepts to offer: the filter cannot be chosen, and nobody is told
    }
    rs.Close();
    // Without any concept a filter could only empty the listing, so it is not offered either.
    if (!listed || cboConcepto_->count() == 0) {
        chFIL_->setEnabled(false);
        return;
    }
    cboConcepto_->setCurrentIndex(0);
    cboID_->setCurrentIndex(0);
}

void FrmIntervalo::Form_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Escape)
        GP_DESCARGAR(*this);
}

void FrmIntervalo::chFIL_Click() {
    framFIL_->setEnabled(chFIL_->isChecked());
}

void FrmIntervalo::cmdAceptar_Click() {
    const auto desde = rt::readDate(txtDesde_->text());
    const auto hasta = rt::readDate(txtHasta_->text());
    if (!desde || !hasta) {
        MsgBox(QStringLiteral("Debe ingresar Fechas validas.!"), MsgIcon::Exclamation);
        return;
    }
    if (*hasta < *desde) {
        MsgBox(QStringLiteral("La fecha DESDE debe ser menor que HASTA"), MsgIcon::Exclamation);
        return;
    }
    gFechaDesde = *desde;
    gFechaHasta = *hasta;
    // Read back at the next start as the same dates.
    SettingsStore::SaveSetting(QStringLiteral("VENTALIA"), QStringLiteral("BANCOS"),
                               QStringLiteral("FACDESDE"), rt::dateText(gFechaDesde));
    SettingsStore::SaveSetting(QStringLiteral("VENTALIA"), QStringLiteral("BANCOS"),
                               QStringLiteral("FACHASTA"), rt::dateText(gFechaHasta));
    if (chFIL_->isChecked()) {
        gFiltro.Activo = true;
        cboID_->setCurrentIndex(cboConcepto_->currentIndex());
        gFiltro.Concepto = cboID_->currentText(); // empty when there is no concept
        gFiltro.Valor = txtValor_->text();
    } else {
        gFiltro = {false, QString(), QString()};
    }
    if (MainScreenPort* main = MainScreenPort::current())
        main->setStatusPanel(2, intervalStatusText());
    GP_DESCARGAR(*this);
}

} // namespace ledgora
