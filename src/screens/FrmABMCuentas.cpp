#include "FrmABMCuentas.h"
#include "ScreenStatements.h"
#include "domain/LedgerStatements.h"

#include "controls/ClCntrl.h"
#include "controls/FlexGrid.h"
#include "controls/TitleBanner.h"
#include "controls/TypedLength.h"
#include "core/Conversions.h"
#include "domain/ListingStatement.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/LabelFor.h"
#include "platform/SiempreVisible.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <optional>

namespace ledgora {

namespace {

// Design sizes, in twips.
constexpr int kWidth = 7800;
constexpr int kGridTop = 380;
constexpr int kGridHeight = 2620;
constexpr int kFrameTop = 3040;
constexpr int kBrowsingHeight = 3350, kBrowsingLegend = 3060;
constexpr int kNewHeight = 4845, kNewLegend = 4560;
constexpr int kChangeHeight = 5455, kChangeLegend = 5170;

QRect twipsRect(int left, int top, int width, int height) {
    return Twips::toPixels(left, top, width, height);
}

// An amount read from a field that must hold one; a null total cannot be shown.
Money amountOf(const Variant& field) {
    if (field.isNull())
        throw RuntimeError(94, QStringLiteral("Uso no válido de Null"));
    const auto amount = rt::toAmount(field);
    if (!amount)
        throw RuntimeError::typeMismatch();
    return *amount;
}

// The highest account number as the next proposal counts from it, when it is a 32-bit whole
// number.
std::optional<std::int32_t> asProposalBase(double highest) {
    try {
        return rt::toInt32(highest);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace

FrmABMCuentas::FrmABMCuentas() {
    setCaption(QString()); // the window has no caption text
    setKeyPreview(true);
    buildControls();
}

FrmABMCuentas::~FrmABMCuentas() = default;

void FrmABMCuentas::buildControls() {
    Label1_ = new TitleBanner(QStringLiteral(" Cuentas"), this);
    Label1_->setGeometry(twipsRect(0, 0, kWidth, 340));

    grdList_ = new FlexGrid(this);
    grdList_->setAccessibleName(tr("Cuentas"));
    grdList_->setGeometry(twipsRect(60, kGridTop, kWidth - 120, kGridHeight));
    grdList_->setKeyDownHandler(
        [this](int& keyCode, int shift) { grdList_KeyDown(keyCode, shift); });

    framDatos_ = new QFrame(this);
    framDatos_->setFrameShape(QFrame::Box);
    framDatos_->setFrameShadow(QFrame::Sunken);
    auto field = [this](const QString& caption, int left, int top, int width) {
        auto* label = new QLabel(caption, framDatos_);
        label->setGeometry(twipsRect(left, top, width, 240));
        auto* box = new QLineEdit(framDatos_);
        box->setGeometry(twipsRect(left, top + 240, width, 315));
        labelFor(label, box);
        return box;
    };
    // Number, date, name and bank on the first line; telephone, contact and the button below.
    txtCNTSTNRO_ = field(QStringLiteral(" Cuentas"), 120, 120, 700);
    TypedLength::apply(txtCNTSTNRO_, 3); // a proposed "1000" is shown whole
    txtCNTSTNRO_->setAlignment(Qt::AlignCenter);
    txtCNTDTALT_ = field(QStringLiteral(" Fecha Alta"), 900, 120, 1300);
    txtCNTSTNOM_ = field(QStringLiteral(" Nombre"), 2280, 120, 2700);
    txtCNTSTBNK_ = field(QStringLiteral(" Banco"), 5060, 120, 2500);
    txtCNTSTTEL_ = field(QStringLiteral(" Telefono Banco"), 120, 760, 2300);
    txtCNTSTBKC_ = field(QStringLiteral(" Contacto Banco"), 2500, 760, 3300);
    cmdGuardar_ = new QPushButton(QStringLiteral("Guardar"), framDatos_);
    // The controls answer to their design names, as on the other screens.
    const std::pair<QWidget*, const char*> names[] = {
        {grdList_, "grdList"},         {txtCNTSTNRO_, "txtCNTSTNRO"}, {txtCNTDTALT_, "txtCNTDTALT"},
        {txtCNTSTNOM_, "txtCNTSTNOM"}, {txtCNTSTBNK_, "txtCNTSTBNK"}, {txtCNTSTTEL_, "txtCNTSTTEL"},
        {txtCNTSTBKC_, "txtCNTSTBKC"}, {cmdGuardar_, "cmdGuardar"}};
    for (const auto& [control, name] : names)
        control->setObjectName(QString::fromLatin1(name));
    cmdGuardar_->setGeometry(twipsRect(5900, 960, 1660, 375));
    cmdGuardar_->setAutoDefault(false);
    connect(cmdGuardar_, &QPushButton::clicked, this,
            [this] { guardEvent([this] { cmdGuardar_Click(); }); });
    QWidget::setTabOrder(txtCNTSTNRO_, txtCNTDTALT_);
    QWidget::setTabOrder(txtCNTDTALT_, txtCNTSTNOM_);
    QWidget::setTabOrder(txtCNTSTNOM_, txtCNTSTBNK_);
    QWidget::setTabOrder(txtCNTSTBNK_, txtCNTSTTEL_);
    QWidget::setTabOrder(txtCNTSTTEL_, txtCNTSTBKC_);
    QWidget::setTabOrder(txtCNTSTBKC_, cmdGuardar_);

    Label8_ =
        new QLabel(QStringLiteral(" INSERT (Agregar) - DELETE (Eliminar) - F6 (Modificar)"), this);
    setLayout(kBrowsingHeight, kBrowsingLegend);
}

void FrmABMCuentas::setLayout(int windowHeight, int legendTop) {
    setFixedSize(Twips::toPixelsX(kWidth), Twips::toPixelsY(windowHeight));
    Label8_->setGeometry(twipsRect(60, legendTop, kWidth - 120, 260));
    framDatos_->setGeometry(twipsRect(60, kFrameTop, kWidth - 120, legendTop - kFrameTop - 30));
}

void FrmABMCuentas::setGridInTabOrder(bool inTabOrder) {
    grdList_->setFocusPolicy(inTabOrder ? Qt::StrongFocus : Qt::ClickFocus);
}

void FrmABMCuentas::openFrame() {
    setGridInTabOrder(false);
    framDatos_->setEnabled(true);
    framDatos_->show();
}

void FrmABMCuentas::closeFrame() {
    framDatos_->hide();
    framDatos_->setEnabled(false);
}

bool FrmABMCuentas::hasAccounts() const {
    return grdList_->rows() >= 2;
}

void FrmABMCuentas::selectCurrentRow() {
    grdList_->setCol(0);
    grdList_->setColSel(grdList_->cols() - 1);
}

void FrmABMCuentas::Form_Load() {
    grdList_->setCols(9);
    grdList_->setRow(0);
    grdList_->setCol(0);
    const std::pair<int, const char*> headers[] = {
        {0, "CUENTA"}, {1, "NOMBRE"}, {2, "BANCO"}, {7, "Tot. Real Bco."}, {8, "Tot. Real Cnt."}};
    for (const auto& [column, header] : headers)
        grdList_->setTextMatrix(0, column, QString::fromLatin1(header));
    grdList_->setRows(1);
    const int widths[] = {700, 2050, 2050, 0, 0, 0, 0, 1200, 1200};
    for (int c = 0; c < 9; ++c)
        grdList_->setColWidth(c, widths[c]);

    // One linked text control per box, linked in this order.
    QLineEdit* boxes[] = {txtCNTDTALT_, txtCNTSTBKC_, txtCNTSTBNK_,
                          txtCNTSTNOM_, txtCNTSTNRO_, txtCNTSTTEL_};
    for (std::size_t k = 0; k < links_.size(); ++k) {
        links_[k] = std::make_unique<ClCntrl>();
        links_[k]->sLinkText(boxes[k]);
    }

    framDatos_->setEnabled(false);
    CargarLista();
    tag_.clear();
    setGridInTabOrder(true);
    closeFrame();
    setLayout(kBrowsingHeight, kBrowsingLegend);
    SiempreVisible(this, true);
}

void FrmABMCuentas::Form_Activate() {
    if (!hasAccounts())
        return;
    selectCurrentRow();
    grdList_->setFocus();
}

void FrmABMCuentas::Form_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Insert) {
        PP_NUEVO();
    } else if (keyCode == vk::Escape) {
        if (tag_ == u"N" || tag_ == u"M")
            PP_CANCELAR();
        else
            GP_DESCARGAR(*this);
    }
}

void FrmABMCuentas::grdList_KeyDown(int& keyCode, int) {
    if (!hasAccounts())
        return;
    if (keyCode == vk::Return)
        chooseAccount();
    else if (keyCode == vk::F6)
        PP_MODIFICAR();
    else if (keyCode == vk::Delete)
        PP_ELIMINAR();
}

void FrmABMCuentas::cmdGuardar_Click() {
    if (tag_ == u"N")
        PP_GuardarN();
    else if (tag_ == u"M")
        PP_GuardarM();
}

void FrmABMCuentas::chooseAccount() {
    const int row = grdList_->row();
    // The totals were written in the user's locale by the list itself, so they read back.
    auto total = [this, row](int column) {
        return rt::readAmount(grdList_->textMatrix(row, column)).value_or(Money());
    };
    gCuenta.CNTSTNRO = grdList_->textMatrix(row, 0);
    gCuenta.CNTSTNOM = grdList_->textMatrix(row, 1);
    gCuenta.TOMDLAAC = total(3);
    gCuenta.TOMDLADE = total(4);
    gCuenta.TOMDLACR = total(5);
    gCuenta.TOMDLDEB = total(6);
    GP_DESCARGAR(*this);
}

void FrmABMCuentas::CargarLista() {
    if (!gManejo || !gManejo->EstadoConexion()) {
        MsgBox(QStringLiteral("El sistema no esta conectado a la base de datos.\r\n\r\nPruebe con "
                              "Cerrar el sistema."),
               MsgIcon::Critical);
        return;
    }
    Recordset rs;
    grdList_->setRows(1);
    BusyPointer busy;
    try {
        QApplication::processEvents(); // the emptied grid and the pointer show at once

        requireManejo().Sql(QStringLiteral("select max(val(CNTSTNRO)) as tot from BANCNT"),
                            forms::accountsHighest);
        requireManejo().RsDesconectado(true);
        requireManejo().CrearRs(rs);
        MaxCuenta_ = 0;
        bool highestFits = true;
        if (requireManejo().RsEstado() && !GP_TEXTO(rs.Fields(QStringLiteral("tot"))).isEmpty()) {
            const auto highest =
                asProposalBase(rt::toNumber(rs.Fields(QStringLiteral("tot"))).value_or(0));
            highestFits = highest.has_value();
            MaxCuenta_ = highest.value_or(0);
        }

        requireManejo().Sql(QStringLiteral("select * from BANCNT order by VAL(CNTSTNRO)"),
                            forms::accountsList);
        requireManejo().RsDesconectado(true);
        rs = Recordset();
        rs.setCursorLocation(CursorLocation::Client);
        requireManejo().CrearRs(rs);
        if (!requireManejo().RsEstado()) {
            rs.Close();
            return;
        }

        grdList_->hide();
        for (; !rs.Eof(); rs.MoveNext()) {
            const Money aac = amountOf(rs.Fields(QStringLiteral("TOMDLAAC")));
            const Money ade = amountOf(rs.Fields(QStringLiteral("TOMDLADE")));
            const Money acr = amountOf(rs.Fields(QStringLiteral("TOMDLACR")));
            const Money deb = amountOf(rs.Fields(QStringLiteral("TOMDLDEB")));
            if (!highestFits) {
                // An older file's number too large to count on ("9e9") is passed over; the
                // proposal follows the highest one that is usable.
                const auto number = asProposalBase(
                    rt::leadingNumber(GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNRO")))));
                MaxCuenta_ = std::max(MaxCuenta_, number.value_or(0));
            }
            const Money banco = acr - deb;
            const Money cuenta = (acr + aac) - (ade + deb);
            const QStringList cells = {GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNRO"))),
                                       GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNOM"))),
                                       GP_TEXTO(rs.Fields(QStringLiteral("CNTSTBNK"))),
                                       rt::generalNumberText(aac),
                                       rt::generalNumberText(ade),
                                       rt::generalNumberText(acr),
                                       rt::generalNumberText(deb),
                                       rt::formatAmount(banco),
                                       rt::formatAmount(cuenta)};
            grdList_->addItem(cells.join(u'\t'));
        }
        grdList_->show();
        if (hasAccounts()) {
            grdList_->setRow(1);
            grdList_->setCol(0);
            grdList_->setRowSel(grdList_->rows() - 1);
            grdList_->setColSel(0);
            grdList_->setCellBackColor(QColor(0xE9, 0xE9, 0xE9));
            grdList_->setCellAlignment(FlexGrid::CenterCenter);
            grdList_->setRow(1);
            grdList_->setCol(0);
            selectCurrentRow();
        }
        rs.Close();
    } catch (const RuntimeError& error) {
        grdList_->show();
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion [Cuentas.Cargar_Lista]"));
    }
}

bool FrmABMCuentas::followList() {
    if (!tag_.isEmpty())
        return false;
    const int row = grdList_->row();
    const QString selected =
        row >= 1 && row < grdList_->rows() ? grdList_->textMatrix(row, 0) : QString();
    const bool focused = grdList_->hasFocus();
    CargarLista();
    for (int r = 1; r < grdList_->rows(); ++r) {
        if (grdList_->textMatrix(r, 0) == selected) {
            grdList_->setRow(r);
            selectCurrentRow();
            break;
        }
    }
    if (focused)
        grdList_->setFocus();
    return true;
}

void FrmABMCuentas::PP_NUEVO() {
    // Nothing here can fail in a way worth telling: each step just does what it can.
    tag_ = QStringLiteral("N");
    openFrame();
    setLayout(kNewHeight, kNewLegend);
    for (QLineEdit* box :
         {txtCNTSTNRO_, txtCNTDTALT_, txtCNTSTNOM_, txtCNTSTBNK_, txtCNTSTTEL_, txtCNTSTBKC_})
        box->clear();
    txtCNTSTNRO_->setEnabled(true);
    txtCNTSTNRO_->setText(rt::formatThreeDigits(std::int64_t(MaxCuenta_) + 1));
    txtCNTDTALT_->setText(rt::formatDateSlashed(QDate::currentDate()));
    txtCNTSTNRO_->setFocus();
}

void FrmABMCuentas::PP_CANCELAR() {
    if (tag_ != u"N" && tag_ != u"M")
        return;
    if (hasAccounts())
        selectCurrentRow();
    tag_.clear();
    setGridInTabOrder(true);
    closeFrame();
    setLayout(kBrowsingHeight, kBrowsingLegend);
    grdList_->setFocus();
}

bool FrmABMCuentas::validEntries() {
    if (!isKeyNumber(txtCNTSTNRO_->text())) {
        MsgBox(QStringLiteral("En Nro. de Cuenta debe ser Númerico"), MsgIcon::Exclamation);
        return false;
    }
    if (rt::trimBlanks(txtCNTSTNOM_->text()).isEmpty()) {
        MsgBox(QStringLiteral("Debe ingresar Nombre"), MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void FrmABMCuentas::saveAccount(const std::function<FormName()>& buildStatement) {
    BusyPointer busy; // a refused entry is told under the hourglass, as ever
    try {
        if (!validEntries())
            return;
        const FormName form = buildStatement();
        requireManejo().Sql(gsSQL, form);
        if (requireManejo().Ejecutar() > 0) {
            CargarLista();
            PP_CANCELAR();
        } else {
            MsgBox(QStringLiteral("No se agrego cuenta"), MsgIcon::Critical);
        }
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" - "), QStringLiteral("Sección: Cuentas.PF_Guardar"));
    }
}

QString FrmABMCuentas::typed(const QLineEdit* box) {
    return rt::trimBlanks(box->text());
}

void FrmABMCuentas::PP_GuardarN() {
    if (tag_ != u"N")
        return;
    saveAccount([this] {
        gsSQL = QStringLiteral("insert into BANCNT (CNTSTNRO,CNTDTALT,CNTSTNOM,CNTSTBNK,CNTSTTEL,"
                               "CNTSTBKC,TOMDLAAC , TOMDLADE, TOMDLACR, TOMDLDEB) values (");
        gsSQL += u'\'' + typed(txtCNTSTNRO_) + QStringLiteral("',");
        gsSQL += QStringLiteral("datevalue('") + typed(txtCNTDTALT_) + QStringLiteral("'),");
        gsSQL += u'\'' + typed(txtCNTSTNOM_) + QStringLiteral("',");
        gsSQL += u'\'' + typed(txtCNTSTBNK_) + QStringLiteral("',");
        gsSQL += u'\'' + typed(txtCNTSTTEL_) + QStringLiteral("',");
        gsSQL += u'\'' + typed(txtCNTSTBKC_) + QStringLiteral("',0,0,0,0)");
        return forms::accountsInsert;
    });
}

void FrmABMCuentas::PP_MODIFICAR() {
    if (!hasAccounts())
        return;
    Recordset rs;
    BusyPointer busy;
    try {
        const QString number = grdList_->textMatrix(grdList_->row(), 0);
        gsSQL = accountStatement(number);
        requireManejo().Sql(gsSQL, forms::accountsReadOne);
        requireManejo().RsDesconectado(true);
        requireManejo().CrearRs(rs);
        if (!requireManejo().RsEstado()) {
            tag_.clear();
            rs.Close();
            return;
        }
        tag_ = QStringLiteral("M");
        openFrame();
        txtCNTSTNRO_->setText(GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNRO"))));
        txtCNTDTALT_->setText(GP_TEXTO(rs.Fields(QStringLiteral("CNTDTALT"))));
        txtCNTSTNOM_->setText(GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNOM"))));
        txtCNTSTBNK_->setText(GP_TEXTO(rs.Fields(QStringLiteral("CNTSTBNK"))));
        txtCNTSTTEL_->setText(GP_TEXTO(rs.Fields(QStringLiteral("CNTSTTEL"))));
        txtCNTSTBKC_->setText(GP_TEXTO(rs.Fields(QStringLiteral("CNTSTBKC"))));
        txtCNTSTNRO_->setEnabled(false); // the number of an existing account stays
        setLayout(kChangeHeight, kChangeLegend);
        if (!rt::readsAsDate(txtCNTDTALT_->text()))
            txtCNTDTALT_->setText(rt::dateText(QDate::currentDate()));
        txtCNTDTALT_->setText(rt::formatDateSlashed(*rt::readDate(txtCNTDTALT_->text())));
        txtCNTSTNOM_->setFocus();
    } catch (const RuntimeError& error) {
        tag_.clear();
        reportError(error, QStringLiteral(" - "), QStringLiteral("Seccion Cuentas.PP_MODIFICAR"));
    }
}

void FrmABMCuentas::PP_GuardarM() {
    if (tag_ != u"M")
        return;
    saveAccount([this] {
        // The date goes in as quoted text; the number comes from the disabled box.
        gsSQL = QStringLiteral("UPDATE BANCNT SET ");
        gsSQL += QStringLiteral("CNTDTALT = '") + typed(txtCNTDTALT_) + QStringLiteral("',");
        gsSQL += QStringLiteral("CNTSTNOM = '") + typed(txtCNTSTNOM_) + QStringLiteral("',");
        gsSQL += QStringLiteral("CNTSTBNK = '") + typed(txtCNTSTBNK_) + QStringLiteral("',");
        gsSQL += QStringLiteral("CNTSTTEL = '") + typed(txtCNTSTTEL_) + QStringLiteral("',");
        gsSQL += QStringLiteral("CNTSTBKC = '") + typed(txtCNTSTBKC_) + QStringLiteral("' ");
        gsSQL += QStringLiteral("WHERE CNTSTNRO = '") + typed(txtCNTSTNRO_) + u'\'';
        return forms::accountsUpdate;
    });
}

void FrmABMCuentas::PP_ELIMINAR() {
    if (!hasAccounts())
        return;
    Recordset rs;
    // Busy once the person has confirmed; what the routine tells afterwards is told under the
    // hourglass.
    std::optional<BusyPointer> busy;
    try {
        const QString number = grdList_->textMatrix(grdList_->row(), 0);
        if (MsgBox(QStringLiteral("Confirma eliminar la cuenta seleccionada"), MsgIcon::Question,
                   MsgButtons::YesNo, true) == MsgAnswer::No)
            return;
        busy.emplace();
        requireManejo().Sql(
            QStringLiteral("select count(1) as tot from BANMOV where CNTSTNRO = '") + number +
                u'\'',
            forms::accountsCountMovements);
        requireManejo().RsDesconectado(true);
        requireManejo().CrearRs(rs);
        if (rt::toNumber(rs.Fields(QStringLiteral("tot"))).value_or(0) > 0) {
            MsgBox(QStringLiteral("No se puede eliminar esta cuenta, porque tiene movimientos."),
                   MsgIcon::Critical);
            rs.Close();
            return;
        }
        rs.Close();
        requireManejo().Sql(QStringLiteral("delete from BANCNT where CNTSTNRO = '") + number +
                                u'\'',
                            forms::accountsDelete);
        if (requireManejo().Ejecutar() > 0) {
            if (grdList_->rows() > 2) {
                CargarLista();
                PP_CANCELAR();
            } else {
                MaxCuenta_ = 0;
                grdList_->setRows(1);
            }
        } else {
            MsgBox(QStringLiteral("No se puede eliminar esta cuenta"), MsgIcon::Critical);
        }
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" - "), QStringLiteral("Sección Cuentas.PP_ELIMINAR"),
                    MsgIcon::Question, true);
    }
}

} // namespace ledgora
