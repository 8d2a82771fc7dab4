#include "FrmModConcepto.h"
#include "ScreenStatements.h"

#include "controls/ClCntrl.h"
#include "controls/TitleBanner.h"
#include "core/Conversions.h"
#include "data/WriteBatch.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "ledger/AccountTotals.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/LabelFor.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ledgora {

namespace {

constexpr int kWidth = 5400;
constexpr int kHeight = 2640;

} // namespace

FrmModConcepto::FrmModConcepto() {
    setCaption(QString());
    setKeyPreview(true);
    buildControls();
}

FrmModConcepto::~FrmModConcepto() = default;

void FrmModConcepto::buildControls() {
    setFixedSize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kHeight));
    auto* banner = new TitleBanner(QStringLiteral(" Modificar conceptos"), this);
    banner->setObjectName(QStringLiteral("Label1"));
    banner->setGeometry(Twips::toPixels(0, 0, kWidth, 340));
    auto field = [this](const char* name, const QString& caption, int top, int width) {
        auto* label = new QLabel(caption, this);
        label->setGeometry(Twips::toPixels(120, top, width, 240));
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(Twips::toPixels(120, top + 240, width, 315));
        labelFor(label, box);
        return box;
    };
    txtFecha_ = field("txtFecha", QStringLiteral(" Fecha:"), 460, 1400);
    txtConcepto_ = field("txtConcepto", QStringLiteral("Concepto:"), 1080, kWidth - 240);
    txtValor_ = field("txtValor", QStringLiteral("Valor:"), 1700, 1700);
    txtValor_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmdGuardar_ = new QPushButton(QStringLiteral("Guardar"), this);
    cmdGuardar_->setObjectName(QStringLiteral("cmdGuardar"));
    cmdGuardar_->setGeometry(Twips::toPixels(kWidth - 1800, 1900, 1680, 375));
    cmdGuardar_->setAutoDefault(false);
    connect(cmdGuardar_, &QPushButton::clicked, this,
            [this] { guardEvent([this] { PP_GUARDAR(); }); });
    QWidget::setTabOrder(txtFecha_, txtConcepto_);
    QWidget::setTabOrder(txtConcepto_, txtValor_);
    QWidget::setTabOrder(txtValor_, cmdGuardar_);
}

void FrmModConcepto::Form_Load() {
    atLoad_ = {gMovimiento.MOVDLAAC, gMovimiento.MOVDLADE, gMovimiento.MOVDLACR,
               gMovimiento.MOVDLDEB};
    listed_ = {gMovimiento.MOVINNRO, gMovimiento.MOVDTALT, gMovimiento.MOVSTCPT, atLoad_};
    txtFecha_->setText(gMovimiento.MOVDTALT);
    txtConcepto_->setText(rt::trimBlanks(gMovimiento.MOVSTCPT));
    gMovimiento.Modificado = false;

    // The first amount above zero is the one the movement carries.
    const Money amounts[] = {atLoad_.MOVDLAAC, atLoad_.MOVDLADE, atLoad_.MOVDLACR,
                             atLoad_.MOVDLDEB};
    amountColumn_ = 0;
    Money shown;
    for (int k = 0; k < 4; ++k) {
        if (amounts[k] > Money()) {
            amountColumn_ = k + 1;
            shown = amounts[k];
            break;
        }
    }
    QLineEdit* boxes[] = {txtFecha_, txtConcepto_, txtValor_};
    for (std::size_t k = 0; k < links_.size(); ++k) {
        links_[k] = std::make_unique<ClCntrl>();
        links_[k]->sLinkText(boxes[k]);
    }
    txtValor_->setText(rt::formatAmount(shown));
}

void FrmModConcepto::Form_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Escape)
        GP_DESCARGAR(*this);
}

void FrmModConcepto::PP_GUARDAR() {
    BusyPointer busy;
    try {
        gMovimiento.Modificado = false;
        const auto date = rt::readDate(txtFecha_->text());
        if (!date) {
            MsgBox(QStringLiteral("Debe ingresar una FECHA valida."), MsgIcon::Exclamation);
            return;
        }
        if (!rt::readsAsNumber(txtValor_->text())) {
            MsgBox(QStringLiteral("Debe ingresar un valor NUMERICO."), MsgIcon::Exclamation);
            return;
        }
        gMovimiento.MOVDTALT = rt::formatDateSlashed(*date);
        gMovimiento.MOVSTCPT = rt::trimBlanks(txtConcepto_->text());

        gMovimiento.MOVDLAAC = gMovimiento.MOVDLADE = gMovimiento.MOVDLACR = gMovimiento.MOVDLDEB =
            Money();
        if (amountColumn_ != 0) {
            // A number too large for an amount is an overflow, reported below.
            const auto typed = rt::readAmount(txtValor_->text());
            if (!typed)
                throw RuntimeError::overflow();
            Money* target[] = {&gMovimiento.MOVDLAAC, &gMovimiento.MOVDLADE, &gMovimiento.MOVDLACR,
                               &gMovimiento.MOVDLDEB};
            *target[amountColumn_ - 1] = typed->roundedToCents();
        }

        auto number = [](Money amount) { return rt::generalNumberText(amount); };
        QString sql = QStringLiteral("UPDATE BANMOV SET ");
        sql += QStringLiteral(" MOVDTALT = datevalue('") + gMovimiento.MOVDTALT +
               QStringLiteral("'),");
        sql += QStringLiteral(" MOVSTCPT = '") + gMovimiento.MOVSTCPT + QStringLiteral("',");
        sql +=
            QStringLiteral(" MOVDLAAC = '") + number(gMovimiento.MOVDLAAC) + QStringLiteral("',");
        sql +=
            QStringLiteral(" MOVDLADE = '") + number(gMovimiento.MOVDLADE) + QStringLiteral("',");
        sql +=
            QStringLiteral(" MOVDLACR = '") + number(gMovimiento.MOVDLACR) + QStringLiteral("',");
        sql +=
            QStringLiteral(" MOVDLDEB = '") + number(gMovimiento.MOVDLDEB) + QStringLiteral("' ");
        sql += QStringLiteral(" WHERE CNTSTNRO = '") + gCuenta.CNTSTNRO + QStringLiteral("' ");
        sql += QStringLiteral(" AND MOVINNRO = ") + gMovimiento.MOVINNRO;
        // One write: the check that the movement is as listed, the change and the totals.
        WriteBatch batch(requireManejo());
        if (!listed_.stillStored()) {
            MsgBox(ListedMovement::changedMessage(), MsgIcon::Exclamation);
            return;
        }
        requireManejo().Sql(sql, forms::movementsEdit);
        if (requireManejo().Ejecutar() > 0) {
            adjustTotalsByCents(atLoad_, {gMovimiento.MOVDLAAC, gMovimiento.MOVDLADE,
                                          gMovimiento.MOVDLACR, gMovimiento.MOVDLDEB});
            GP_ACTUALIZARCUENTA();
            batch.commit();
            gMovimiento.Modificado = true;
            busy.release();
            GP_DESCARGAR(*this);
        }
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "));
    }
}

} // namespace ledgora
