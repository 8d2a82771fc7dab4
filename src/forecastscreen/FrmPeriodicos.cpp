#include "FrmPeriodicos.h"

#include "controls/ClCntrl.h"
#include "controls/FlexGrid.h"
#include "controls/TitleBanner.h"
#include "core/Conversions.h"
#include "data/Recordset.h"
#include "domain/ConceptRecord.h"
#include "domain/LedgerStatements.h"
#include "domain/ModuleUtilities.h"
#include "domain/SharedState.h"
#include "forecast/OccurrenceEntry.h"
#include "forecast/RecurringRules.h"
#include "platform/BusyPointer.h"
#include "platform/ErrorReport.h"
#include "platform/Keystrokes.h"
#include "platform/LabelFor.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <iterator>

namespace ledgora {

namespace {

using Frequency = RecurringRule::Frequency;
using Side = RecurringRule::Side;

// Design sizes, in twips.
constexpr int kWidth = 11100;
constexpr int kGridTop = 400, kGridHeight = 3000;
constexpr int kPanelTop = 3460, kPanelHeight = 2160;
constexpr int kOpenHeight = 6000, kOpenLegend = 5680;
constexpr int kRestHeight = 3780, kRestLegend = 3460;

// A first date or a last one before this year is taken for a mistyped year: from there a
// schedule would enter a century of movements at once.
constexpr int kEarliestYear = 1900;

// The lists' entries in the order of the enumerations.
constexpr Side kSides[] = {Side::Credit, Side::Debit};
constexpr Frequency kFrequencies[] = {Frequency::Weekly, Frequency::Monthly, Frequency::Quarterly,
                                      Frequency::Yearly};
// The grid's columns.
enum Column { NRO, CUENTA, DESCRIPCION, IMPORTE, LADO, FRECUENCIA, PROXIMA, kColumns };

QRect twipsRect(int left, int top, int width, int height) {
    return Twips::toPixels(left, top, width, height);
}

template <typename T> T* named(T* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QString sideText(Side side) {
    return side == Side::Credit ? FrmPeriodicos::tr("A ACREDITAR") : FrmPeriodicos::tr("A DEBITAR");
}

QString weekdayName(int day) {
    const QString names[] = {FrmPeriodicos::tr("lunes"),     FrmPeriodicos::tr("martes"),
                             FrmPeriodicos::tr("miércoles"), FrmPeriodicos::tr("jueves"),
                             FrmPeriodicos::tr("viernes"),   FrmPeriodicos::tr("sábado"),
                             FrmPeriodicos::tr("domingo")};
    return day >= 1 && day <= 7 ? names[day - 1] : QString::number(day);
}

// "Mensual", "Cada 2 meses", "Semanal (viernes)".
QString frequencyText(const RecurringRule& rule) {
    const int n = rule.every;
    switch (rule.frequency) {
    case Frequency::Weekly:
        return (n == 1 ? FrmPeriodicos::tr("Semanal")
                       : FrmPeriodicos::tr("Cada %1 semanas").arg(n)) +
               QStringLiteral(" (") + weekdayName(rule.day) + u')';
    case Frequency::Quarterly:
        return n == 1 ? FrmPeriodicos::tr("Trimestral")
                      : FrmPeriodicos::tr("Cada %1 trimestres").arg(n);
    case Frequency::Yearly:
        return n == 1 ? FrmPeriodicos::tr("Anual") : FrmPeriodicos::tr("Cada %1 años").arg(n);
    default:
        return n == 1 ? FrmPeriodicos::tr("Mensual") : FrmPeriodicos::tr("Cada %1 meses").arg(n);
    }
}

// The first occurrence on or after `today`; invalid once the schedule has ended. Only the
// longest wait between two occurrences is looked through, a month more for the days a short
// month lacks: a schedule of years ago is not walked to the end of time.
QDate nextOccurrence(const RecurringRule& rule, QDate today) {
    const int every = std::clamp(rule.every, 1, RecurringRule::kMostEvery);
    const QDate from = rule.first.isValid() ? std::max(today, rule.first) : today;
    int months = every;
    if (rule.frequency == Frequency::Quarterly)
        months = 3 * every;
    else if (rule.frequency == Frequency::Yearly)
        months = 12 * every;
    const QDate through =
        rule.frequency == Frequency::Weekly ? from.addDays(7 * every) : from.addMonths(months + 1);
    const std::vector<QDate> dates = rule.occurrencesAfter(today.addDays(-1), through);
    return dates.empty() ? QDate() : dates.front();
}

// A whole number typed in a box, within bounds; nothing for anything else.
std::optional<int> wholeNumberIn(const QString& typed, int lowest, int highest) {
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int value = text.toInt();
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<QDate> dateIn(const QString& typed) {
    const auto date = rt::readDate(typed);
    if (!date || date->year() < kEarliestYear)
        return std::nullopt;
    return date;
}

// The description as stored: a tab or a line break typed or pasted into it is a blank, so
// that it stays on one line of the grid and of the listing.
QString oneLine(const QString& typed) {
    QString text = typed.left(100);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    return text;
}

// Shows a refusal and puts the focus in the box it is about; what was typed stays.
std::nullopt_t refuse(QWidget* box, const QString& message) {
    MsgBox(message, MsgIcon::Exclamation);
    box->setFocus();
    return std::nullopt;
}

} // namespace

FrmPeriodicos::FrmPeriodicos() {
    setCaption(QString()); // the banner carries the title
    setKeyPreview(true);
    buildControls();
}

FrmPeriodicos::~FrmPeriodicos() = default;

void FrmPeriodicos::buildControls() {
    Label1_ = named(new TitleBanner(tr("MOVIMIENTOS PERIÓDICOS"), this, TitleBanner::Size::Normal),
                    "Label1");
    Label1_->setGeometry(twipsRect(0, 0, kWidth, 340));
    Label1_->setAlignment(Qt::AlignCenter);

    lstPER_ = named(new FlexGrid(this), "lstPER");
    lstPER_->setAccessibleName(tr("Movimientos periódicos"));
    lstPER_->setGeometry(twipsRect(60, kGridTop, kWidth - 120, kGridHeight));
    lstPER_->setKeyDownHandler([this](int& keyCode, int shift) { lstPER_KeyDown(keyCode, shift); });

    buildPanel();

    lbKEY_ = named(
        new QLabel(tr("INSERT (Agregar) - ENTER (Modificar) - DELETE (Eliminar) - ESC (Salir)"),
                   this),
        "lbKEY");
}

void FrmPeriodicos::buildPanel() {
    Frame1_ = named(new QFrame(this), "Frame1");
    Frame1_->setFrameShape(QFrame::Box);
    Frame1_->setFrameShadow(QFrame::Sunken);
    Frame1_->setGeometry(twipsRect(60, kPanelTop, kWidth - 120, kPanelHeight));
    // Each box is named by the caption above it, for the keyboard and a screen reader.
    auto caption = [this](const char* name, const QString& text, int left, int top, int width,
                          QWidget* control) {
        QLabel* label = named(new QLabel(text, Frame1_), name);
        label->setGeometry(twipsRect(left, top - 240, width, 240));
        labelFor(label, control);
        return label;
    };
    auto box = [this](const char* name, int left, int top, int width, int maxLength) {
        auto* edit = named(new QLineEdit(Frame1_), name);
        edit->setGeometry(twipsRect(left, top, width, 315));
        edit->setMaxLength(maxLength);
        return edit;
    };
    auto list = [this](const char* name, int left, int top, int width) {
        auto* combo = named(new QComboBox(Frame1_), name);
        combo->setGeometry(twipsRect(left, top, width, 315));
        combo->installEventFilter(this);
        return combo;
    };
    constexpr int rowA = 360, rowB = 1000, rowC = 1640;
    cboCuenta_ = list("cboCuenta", 120, rowA, 2700);
    caption("lblCuenta", tr(" Cuenta:"), 120, rowA, 2700, cboCuenta_);
    cboConcepto_ = list("cboConcepto", 2940, rowA, 3000);
    caption("lblConcepto", tr(" Concepto:"), 2940, rowA, 3000, cboConcepto_);
    txtDescripcion_ = box("txtDescripcion", 6060, rowA, 4680, 100);
    caption("lblDescripcion", tr(" Descripción:"), 6060, rowA, 4680, txtDescripcion_);
    txtImporte_ = box("txtImporte", 120, rowB, 1600, 20);
    txtImporte_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption("lblImporte", tr(" Importe:"), 120, rowB, 1600, txtImporte_);
    cboLado_ = list("cboLado", 1840, rowB, 1600);
    caption("lblLado", tr(" Lado:"), 1840, rowB, 1600, cboLado_);
    cboFrecuencia_ = list("cboFrecuencia", 3560, rowB, 1500);
    caption("lblFrecuencia", tr(" Frecuencia:"), 3560, rowB, 1500, cboFrecuencia_);
    txtCada_ = box("txtCada", 5180, rowB, 900, 2);
    txtCada_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption("lblCada", tr(" Cada:"), 5180, rowB, 900, txtCada_);
    txtDia_ = box("txtDia", 6200, rowB, 700, 2);
    txtDia_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDia_ = caption("lblDia", tr(" Día del mes:"), 6200, rowB, 3400, txtDia_);
    txtDesde_ = box("txtDesde", 120, rowC, 1400, 10);
    caption("lblDesde", tr(" Primera fecha:"), 120, rowC, 1400, txtDesde_);
    txtHasta_ = box("txtHasta", 1640, rowC, 1400, 10);
    caption("lblHasta", tr(" Hasta (opcional):"), 1640, rowC, 1400, txtHasta_);
    txtVeces_ = box("txtVeces", 3160, rowC, 900, 4);
    txtVeces_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption("lblVeces", tr(" Veces (opcional):"), 3160, rowC, 1600, txtVeces_);
    cmdGuardar_ = named(new QPushButton(tr("Guardar"), Frame1_), "cmdGuardar");
    cmdGuardar_->setGeometry(twipsRect(kWidth - 1860, rowC - 30, 1500, 375));
    cmdGuardar_->setAutoDefault(false);
    connect(cmdGuardar_, &QPushButton::clicked, this, [this] { guardEvent([this] { save(); }); });

    for (Side side : kSides)
        cboLado_->addItem(sideText(side));
    cboFrecuencia_->addItems({tr("Semanal"), tr("Mensual"), tr("Trimestral"), tr("Anual")});
    cboFrecuencia_->setCurrentIndex(1); // monthly, as the day's caption says
    connect(cboConcepto_, &QComboBox::currentIndexChanged, this,
            [this](int index) { guardEvent([&] { conceptChosen(index); }); });
    connect(cboFrecuencia_, &QComboBox::currentIndexChanged, this,
            [this](int index) { guardEvent([&] { frequencyChosen(index); }); });

    QWidget* order[] = {cboCuenta_,     cboConcepto_, txtDescripcion_, txtImporte_, cboLado_,
                        cboFrecuencia_, txtCada_,     txtDia_,         txtDesde_,   txtHasta_,
                        txtVeces_,      cmdGuardar_,  lstPER_};
    for (std::size_t k = 1; k < std::size(order); ++k)
        QWidget::setTabOrder(order[k - 1], order[k]);
}

void FrmPeriodicos::Form_Load() {
    lstPER_->setCols(kColumns);
    const QString headers[] = {tr("NRO"),  tr("CUENTA"),     tr("DESCRIPCION"), tr("IMPORTE"),
                               tr("LADO"), tr("FRECUENCIA"), tr("PRÓXIMA")};
    const int widths[] = {600, 800, 3400, 1500, 1300, 2000, 1100};
    for (int c = 0; c < kColumns; ++c) {
        lstPER_->setTextMatrix(0, c, headers[c]);
        lstPER_->setColWidth(c, widths[c]);
    }
    lstPER_->setColAlignment(IMPORTE, FlexGrid::RightCenter);
    lstPER_->setColAlignment(PROXIMA, FlexGrid::CenterCenter);
    QLineEdit* boxes[] = {txtDescripcion_, txtImporte_, txtCada_, txtDia_,
                          txtDesde_,       txtHasta_,   txtVeces_};
    for (std::size_t k = 0; k < links_.size(); ++k) {
        links_[k] = std::make_unique<ClCntrl>();
        links_[k]->sLinkText(boxes[k]);
    }
    closePanel();
    loadRules();
}

void FrmPeriodicos::Form_KeyDown(int& keyCode, int) {
    // ESC leaves from anywhere, the panel open or not: nothing typed there is saved.
    if (keyCode == vk::Escape) {
        keyCode = 0;
        GP_DESCARGAR(*this);
    }
}

bool FrmPeriodicos::eventFilter(QObject* watched, QEvent* event) {
    // ENTER in a list moves on to the next box, as in the text boxes.
    if (event->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(watched) &&
        keyInfoOf(*static_cast<QKeyEvent*>(event)).keyCode == vk::Return) {
        Keystrokes::send(Keystroke::Tab, true);
        return true;
    }
    return Screen::eventFilter(watched, event);
}

void FrmPeriodicos::lstPER_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Insert)
        addRule();
    else if (keyCode == vk::Return && currentRule())
        changeRule();
    else if (keyCode == vk::Delete && currentRule())
        removeRule();
    else
        return;
    keyCode = 0;
}

void FrmPeriodicos::openPanel() {
    setFixedSize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kOpenHeight));
    lbKEY_->setGeometry(twipsRect(60, kOpenLegend, kWidth - 120, 260));
    Frame1_->show();
    Frame1_->setEnabled(true);
    lstPER_->setFocusPolicy(Qt::ClickFocus); // still takes the mouse, out of the tab order
    cboCuenta_->setFocus();
}

void FrmPeriodicos::closePanel() {
    setFixedSize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kRestHeight));
    lbKEY_->setGeometry(twipsRect(60, kRestLegend, kWidth - 120, 260));
    Frame1_->setEnabled(false);
    Frame1_->hide();
    lstPER_->setFocusPolicy(Qt::StrongFocus);
    // INSERT, ENTER and DELETE are the grid's keys: the next one works without a TAB first.
    lstPER_->setFocus();
}

bool FrmPeriodicos::panelOpen() const {
    return !Frame1_->isHidden();
}

const RecurringRule* FrmPeriodicos::currentRule() const {
    const int row = lstPER_->row();
    if (row < 1 || row > int(rules_.size()) || lstPER_->rows() < 2)
        return nullptr;
    return &rules_[std::size_t(row - 1)];
}

void FrmPeriodicos::loadRules(std::optional<std::int64_t> select, int fallbackRow) {
    BusyPointer busy;
    try {
        std::vector<RecurringRule> rules = RecurringRules::read(requireManejo());
        rules_ = std::move(rules);
    } catch (const RuntimeError& error) {
        busy.release();
        reportError(error, QStringLiteral(" / "), QStringLiteral("Seccion Periodicos.Cargar"));
        return;
    }
    const QDate today = QDate::currentDate();
    lstPER_->setRows(1);
    lstPER_->setRows(int(rules_.size()) + 1);
    const QString current = gCuenta.CNTSTNRO.trimmed();
    int selected = 0;
    int ofCurrent = 0;
    // Cell by cell: a description holding a tab stays in its own column.
    for (int r = 1; r <= int(rules_.size()); ++r) {
        const RecurringRule& rule = rules_[std::size_t(r - 1)];
        const QString cells[] = {QString::number(rule.number),
                                 rule.account,
                                 rule.description,
                                 rt::formatAmount(rule.amount),
                                 sideText(rule.side),
                                 frequencyText(rule),
                                 rt::formatDateSlashed(nextOccurrence(rule, today))};
        for (int c = 0; c < kColumns; ++c)
            lstPER_->setTextMatrix(r, c, cells[c]);
        if (select && rule.number == *select)
            selected = r;
        if (ofCurrent == 0 && !current.isEmpty() && rule.account == current)
            ofCurrent = r;
    }
    if (rules_.empty())
        return;
    if (selected == 0)
        selected =
            fallbackRow > 0 ? std::min(fallbackRow, int(rules_.size())) : std::max(ofCurrent, 1);
    lstPER_->goToRow(selected);
}

void FrmPeriodicos::fillLists() {
    cboCuenta_->clear();
    cboConcepto_->clear();
    Recordset rs;
    requireManejo().RsDesconectado(true);
    requireManejo().CrearRs(rs, forms::accountsList, {});
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString number = GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNRO"))).trimmed();
        cboCuenta_->addItem(number + QStringLiteral(" - ") +
                                GP_TEXTO(rs.Fields(QStringLiteral("CNTSTNOM"))).trimmed(),
                            number);
    }
    rs.Close();
    // The concept's type travels with it: choosing the concept proposes its side.
    for (const ConceptRecord& concept : readConcepts(requireManejo())) {
        cboConcepto_->addItem(concept.entry(), concept.number.trimmed());
        if (concept.type)
            cboConcepto_->setItemData(cboConcepto_->count() - 1,
                                      *concept.type == ConceptType::Credit ? 0 : 1,
                                      Qt::UserRole + 1);
    }
}

void FrmPeriodicos::chooseNumber(QComboBox* list, const QString& number) {
    int index = list->findData(number.trimmed());
    if (index < 0 && !number.trimmed().isEmpty()) {
        list->addItem(number.trimmed(), number.trimmed());
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
}

void FrmPeriodicos::addRule() {
    try {
        fillLists();
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "), QStringLiteral("Seccion Periodicos.Agregar"));
        return;
    }
    editing_.reset();
    const QDate today = QDate::currentDate();
    const int account = cboCuenta_->findData(gCuenta.CNTSTNRO.trimmed());
    cboCuenta_->setCurrentIndex(account >= 0 ? account : 0);
    cboConcepto_->setCurrentIndex(-1);
    txtDescripcion_->clear();
    txtImporte_->clear();
    cboLado_->setCurrentIndex(1);
    cboFrecuencia_->setCurrentIndex(1);
    txtCada_->setText(QStringLiteral("1"));
    txtDia_->setText(QString::number(today.day()));
    txtDesde_->setText(rt::formatDateSlashed(today));
    txtHasta_->clear();
    txtVeces_->clear();
    openPanel();
}

void FrmPeriodicos::changeRule() {
    const RecurringRule rule = *currentRule();
    try {
        fillLists();
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" / "), QStringLiteral("Seccion Periodicos.Modificar"));
        return;
    }
    editing_ = rule.number;
    chooseNumber(cboCuenta_, rule.account);
    chooseNumber(cboConcepto_, rule.concept); // proposes the concept's side...
    txtDescripcion_->setText(rule.description);
    txtImporte_->setText(rt::formatAmount(rule.amount));
    cboLado_->setCurrentIndex(rule.side == Side::Credit ? 0 : 1); // ...the rule's own wins
    cboFrecuencia_->setCurrentIndex(
        int(std::find(std::begin(kFrequencies), std::end(kFrequencies), rule.frequency) -
            std::begin(kFrequencies)));
    txtCada_->setText(QString::number(rule.every));
    txtDia_->setText(QString::number(rule.day));
    txtDesde_->setText(rt::formatDateSlashed(rule.first));
    txtHasta_->setText(rule.last ? rt::formatDateSlashed(*rule.last) : QString());
    txtVeces_->setText(rule.count ? QString::number(*rule.count) : QString());
    openPanel();
}

void FrmPeriodicos::removeRule() {
    const std::int64_t number = currentRule()->number;
    const int row = lstPER_->row();
    if (MsgBox(tr("¿Eliminar el movimiento periódico seleccionado? Los movimientos que ya generó "
                  "se conservan."),
               MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    long removed = 0;
    {
        BusyPointer busy;
        try {
            removed = RecurringRules::remove(requireManejo(), number);
        } catch (const RuntimeError& error) {
            busy.release();
            reportError(error, QStringLiteral(" / "),
                        QStringLiteral("Seccion Periodicos.Eliminar"));
            return;
        }
    }
    // Read again either way: nothing removed means another person removed it first.
    loadRules(std::nullopt, row);
    if (removed == 0)
        MsgBox(tr("No se eliminó ningún movimiento periódico: otra persona ya lo había eliminado."),
               MsgIcon::Critical);
}

void FrmPeriodicos::conceptChosen(int index) {
    const QVariant type = index >= 0 ? cboConcepto_->itemData(index, Qt::UserRole + 1) : QVariant();
    if (type.isValid())
        cboLado_->setCurrentIndex(type.toInt());
}

void FrmPeriodicos::frequencyChosen(int index) {
    lblDia_->setText(index == 0 ? tr(" Día (de 1, lunes, a 7, domingo):") : tr(" Día del mes:"));
    labelFor(lblDia_, txtDia_);
}

std::optional<RecurringRule> FrmPeriodicos::checkedRule() {
    RecurringRule rule;
    if (cboCuenta_->currentIndex() < 0)
        return refuse(cboCuenta_, tr("Debe seleccionar una CUENTA"));
    rule.account = cboCuenta_->currentData().toString();
    if (cboConcepto_->currentIndex() < 0)
        return refuse(cboConcepto_, tr("Debe seleccionar un CONCEPTO"));
    rule.concept = cboConcepto_->currentData().toString();
    rule.description = oneLine(txtDescripcion_->text());
    if (rule.description.trimmed().isEmpty())
        return refuse(txtDescripcion_, tr("Debe ingresar una DESCRIPCIÓN"));
    const QString amountRefusal = tr("Debe ingresar un IMPORTE mayor que cero.");
    if (!rt::readsAsNumber(txtImporte_->text()))
        return refuse(txtImporte_, amountRefusal);
    // A number beyond what an amount holds is an overflow, never a wrapped value.
    const auto amount = rt::readAmount(txtImporte_->text());
    if (!amount) {
        reportError(RuntimeError::overflow(), QStringLiteral(" / "),
                    QStringLiteral("Seccion Periodicos.Guardar"));
        txtImporte_->setFocus();
        return std::nullopt;
    }
    rule.amount = amount->roundedToCents();
    if (rule.amount <= Money())
        return refuse(txtImporte_, amountRefusal);
    rule.side = kSides[cboLado_->currentIndex() == 0 ? 0 : 1];
    rule.frequency = kFrequencies[std::clamp(cboFrecuencia_->currentIndex(), 0, 3)];
    const auto every = wholeNumberIn(txtCada_->text(), 1, RecurringRule::kMostEvery);
    if (!every)
        return refuse(txtCada_, tr("Cada cuántos períodos: un número entero de 1 a 99."));
    rule.every = *every;
    const auto day =
        wholeNumberIn(txtDia_->text(), 1, rule.frequency == Frequency::Weekly ? 7 : 31);
    if (!day)
        return refuse(txtDia_,
                      tr("Día: un número de 1 a 31 (de 1, lunes, a 7, domingo, si es semanal)."));
    rule.day = *day;
    const auto first = dateIn(txtDesde_->text());
    if (!first)
        return refuse(txtDesde_, tr("Debe ingresar una FECHA valida."));
    rule.first = *first;
    if (!txtHasta_->text().trimmed().isEmpty()) {
        const auto last = dateIn(txtHasta_->text());
        if (!last || *last < rule.first)
            return refuse(txtHasta_,
                          tr("La fecha final debe ser válida y no anterior a la primera."));
        rule.last = *last;
    }
    if (!txtVeces_->text().trimmed().isEmpty()) {
        const auto count = wholeNumberIn(txtVeces_->text(), 1, RecurringRule::kMostCount);
        if (!count)
            return refuse(txtVeces_, tr("Veces: un número entero de 1 a 9999."));
        rule.count = *count;
    }
    return rule;
}

void FrmPeriodicos::save() {
    if (!panelOpen())
        return;
    std::optional<RecurringRule> rule = checkedRule();
    if (!rule)
        return;
    BusyPointer busy;
    try {
        if (editing_) {
            rule->number = *editing_;
            if (RecurringRules::change(requireManejo(), *rule) == 0) {
                busy.release();
                MsgBox(tr("No se modificó el movimiento periódico: otra persona lo eliminó."),
                       MsgIcon::Critical);
                return;
            }
        } else {
            rule->number = RecurringRules::add(requireManejo(), *rule);
            // Stored: should entering its occurrences fail below, saving again changes this
            // schedule rather than adding it twice.
            editing_ = rule->number;
        }
        const int count = OccurrenceEntry::enterDue(
            requireManejo(), QDate::currentDate().addDays(OccurrenceEntry::horizonDays()),
            rule->account);
        if (count > 0) {
            entered_ += count;
            Q_EMIT occurrencesEntered(count);
        }
    } catch (const RuntimeError& error) {
        // What was typed stays in the panel for another try.
        busy.release();
        reportError(error, QStringLiteral(" / "), QStringLiteral("Seccion Periodicos.Guardar"));
        if (editing_)
            loadRules(editing_);
        return;
    }
    loadRules(rule->number);
    closePanel();
}

} // namespace ledgora
