#include "MappingsWindow.h"

#include "ErrorReporting.h"
#include "LookupDialog.h"
#include "MsgDlg.h"
#include "Session.h"
#include "TADOIBQuery.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TDataSource.h"
#include "TField.h"
#include "TNetConnection.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

struct Column {
    const char* title;
    const char* field;
};

const std::vector<Column> kColumns[] = {
    {{"Serviço origem", "CDSERVORIG"}, {"Nome", "NMSERVORIG"}, {"Serviço destino", "CDSERVDEST"},
     {"Nome", "NMSERVDEST"}},
    {{"Serviço origem", "CDSERVORIG"}, {"Dieta origem", "CDDIETORIG"}, {"Nome", "DSDIETORIG"},
     {"Serviço destino", "CDSERVDEST"}, {"Dieta destino", "CDDIETDEST"}, {"Nome", "DSDIETDEST"}},
    {{"Serviço origem", "CDSERVORIG"}, {"Tipo origem", "CDTIPOORIG"}, {"Seq.", "NRSEQORIG"}, {"Nome", "NMTIPOORIG"},
     {"Serviço destino", "CDSERVDEST"}, {"Tipo destino", "CDTIPODEST"}, {"Seq.", "NRSEQDEST"},
     {"Nome", "NMTIPODEST"}, {"Importar", "IDIMPORTAR"}},
};
const char* const kTabTitles[] = {"&Serviços", "&Dietas", "&Tipos de Prato"};
const char* const kKinds[] = {"SERVICO", "DIETA", "TIPOPRATO"};

QTableWidget* MakeTable(const std::vector<Column>& columns, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    QStringList titles;
    for (const Column& column : columns) titles << column.title;
    table->setHorizontalHeaderLabels(titles);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void Fill(QTableWidget& table, const std::vector<Column>& columns, const DataPacket& packet) {
    table.setRowCount(static_cast<int>(packet.Rows.size()));
    for (size_t row = 0; row < packet.Rows.size(); ++row) {
        for (size_t col = 0; col < columns.size(); ++col) {
            std::string text = packet.Value(row, columns[col].field).AsString();
            if (std::string_view(columns[col].field) == "IDIMPORTAR") text = text == "S" ? "Sim" : "Não";
            table.setItem(static_cast<int>(row), static_cast<int>(col), new QTableWidgetItem(QString::fromStdString(text)));
        }
    }
    table.resizeColumnsToContents();
    if (!packet.Rows.empty()) table.selectRow(0);
}

}  // namespace

MappingsWindow::MappingsWindow(QWidget* parent)
    : QDialog(parent), connection_(std::make_unique<TNetConnection>()), origin_(new QComboBox(this)),
      destination_(new QComboBox(this)), tabs_(new QTabWidget(this)) {
    setObjectName("mappingsWindow");
    setWindowTitle("Mapeamentos entre Filiais");
    setAttribute(Qt::WA_DeleteOnClose);
    connection_->ServerName = "KRD52100.rdmIntegraCardapio";
    connection_->Host = Session::Current().ServerHost();
    connection_->Port = Session::Current().ServerPort();
    connection_->Open();

    auto* branches = new QFormLayout;
    origin_->setObjectName("originBranch");
    destination_->setObjectName("destinationBranch");
    branches->addRow("Filial &origem:", origin_);
    branches->addRow("Filial d&estino:", destination_);
    for (int tab = kServices; tab <= kDishTypes; ++tab) {
        tables_[tab] = MakeTable(kColumns[tab], tabs_);
        tabs_->addTab(tables_[tab], kTabTitles[tab]);
        connect(tables_[tab], &QTableWidget::cellDoubleClicked, this, [this] { ChangeDestination(); });
    }

    change_ = new QPushButton("&Alterar destino...", this);
    auto* add = new QPushButton("&Novo serviço...", this);
    remove_ = new QPushButton("&Remover", this);
    auto* close = new QPushButton("&Fechar", this);
    change_->setDefault(true);
    connect(change_, &QPushButton::clicked, this, [this] { ChangeDestination(); });
    connect(add, &QPushButton::clicked, this, [this] { MapService(); });
    connect(remove_, &QPushButton::clicked, this, [this] { RemoveCurrent(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(change_);
    buttons->addWidget(add);
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(branches);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    resize(860, 480);

    FillBranches();
    connect(origin_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    connect(destination_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    Refresh();
}

MappingsWindow::~MappingsWindow() = default;

MappingsWindow* MappingsWindow::Open(QWidget* parent) {
    auto* window = parent->findChild<MappingsWindow*>("mappingsWindow");
    if (!window) window = new MappingsWindow(parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// Branches come from the company's branch table, as the screens look them up. The destination
// starts on the session's branch, the origin on the first other one.
void MappingsWindow::FillBranches() {
    TADOIBQuery query;
    query.SetSQL("SELECT CDFILIAL, NMFILIAL FROM FILIAL ORDER BY CDFILIAL");
    query.Open();
    for (; !query.Eof(); query.Next()) {
        const QString code = QString::fromStdString(query.FieldByName("CDFILIAL")->AsString());
        const QString text = code + " - " + QString::fromStdString(query.FieldByName("NMFILIAL")->AsString());
        origin_->addItem(text, code);
        destination_->addItem(text, code);
    }
    const int own = destination_->findData(QString::fromStdString(Session::Current().BranchCode));
    destination_->setCurrentIndex(own < 0 ? 0 : own);
    origin_->setCurrentIndex(destination_->currentIndex() == 0 && origin_->count() > 1 ? 1 : 0);
}

std::string MappingsWindow::Branch(const QComboBox& box) const { return box.currentData().toString().toStdString(); }

std::optional<Variant> MappingsWindow::Call(const std::string& method, const Variant::Array& args) {
    std::optional<Variant> payload;
    Application->Perform([&] { payload = CheckResultServ(connection_->Call(method, args), true, 0); });
    activateWindow();  // the host's boxes stand over the main window, which an error box leaves active
    return payload;
}

void MappingsWindow::Refresh() {
    kept_ = Variant();
    std::optional<Variant> kept;
    if (Branch(*origin_) != Branch(*destination_)) kept = Call("GetMapeamentos", {Branch(*origin_), Branch(*destination_)});
    if (kept) kept_ = *kept;
    for (int tab = kServices; tab <= kDishTypes; ++tab)
        Fill(*tables_[tab], kColumns[tab], kept_.IsNull() ? DataPacket() : kept_[tab].AsPacket());
}

int MappingsWindow::CurrentRow() const {
    const QTableWidget* table = tables_[tabs_->currentIndex()];
    return kept_.IsNull() || table->selectedItems().isEmpty() ? -1 : table->currentRow();
}

std::string MappingsWindow::Cell(int tab, int row, const char* field) const {
    return kept_[tab].AsPacket().Value(static_cast<size_t>(row), field).AsString();
}

std::string MappingsWindow::DestinationServiceOf(const std::string& originService) const {
    const DataPacket& services = kept_[kServices].AsPacket();
    for (size_t row = 0; row < services.Rows.size(); ++row) {
        if (services.Value(row, "CDSERVORIG").AsString() == originService)
            return services.Value(row, "CDSERVDEST").AsString();
    }
    return "";
}

std::optional<std::string> MappingsWindow::Choose(const Variant& packet, const std::string& title, bool offerUnmarked) {
    std::optional<std::string> chosen;
    Application->Perform([&] {
        TClientDataSet rows;
        rows.SetData(packet);
        const auto& fields = rows.Fields();
        for (size_t i = 0; i < fields.size(); ++i) fields[i]->SetVisible(i < 2);
        fields[0]->SetDisplayLabel("Código");
        fields[1]->SetDisplayLabel("Nome");
        if (offerUnmarked) {
            rows.Append();
            fields[0]->SetAsString("");
            fields[1]->SetAsString("(não importar)");
            rows.Post();
            rows.First();
        }
        TDataSource source;
        source.SetDataSet(&rows);
        if (Pesquisar(&source, title, false, true)) chosen = fields[0]->AsString();
    });
    activateWindow();
    return chosen;
}

void MappingsWindow::ChangeDestination() {
    const int tab = tabs_->currentIndex(), row = CurrentRow();
    if (row < 0) return;
    const std::string destination = Branch(*destination_), service = Cell(tab, row, "CDSERVORIG");
    const std::string destinationService = tab == kServices ? "" : DestinationServiceOf(service);
    if (tab != kServices && destinationService.empty()) {
        Application->Perform([&] {
            MensErro("O serviço origem " + service + " não está mapeado para um serviço destino; mapeie o serviço antes.",
                     false);
        });
        activateWindow();
        return;
    }
    std::optional<Variant> choices;
    if (tab == kServices) choices = Call("GetPesqServ", {destination});
    if (tab == kDiets) choices = Call("GetVd_DietaDestino", {destination, destinationService, "", "X"});
    if (tab == kDishTypes) choices = Call("GetVd_TipoPratOrig", {destination, destinationService, "", "X"});
    if (!choices) return;
    const char* titles[] = {"Serviços da filial destino", "Dietas do serviço destino", "Tipos de prato do serviço destino"};
    const auto target = Choose(*choices, titles[tab], tab == kDishTypes);
    if (!target) return;
    const char* codeField = tab == kDiets ? "CDDIETORIG" : "CDTIPOORIG";
    const Variant sequence = tab == kDishTypes ? Variant(std::stoi(Cell(tab, row, "NRSEQORIG"))) : Variant();
    if (!Call("SetMapeamento", {Branch(*origin_), destination, kKinds[tab], service,
                                tab == kServices ? "" : Cell(tab, row, codeField), sequence, *target}))
        return;
    Refresh();
    tabs_->setCurrentIndex(tab);
    tables_[tab]->selectRow(row);
    tables_[tab]->setFocus();
}

// A new origin service: picked from the origin branch's services, then its destination from the
// destination branch's.
void MappingsWindow::MapService() {
    if (kept_.IsNull()) return;
    const auto origins = Call("GetPesqServ", {Branch(*origin_)});
    const auto service = origins ? Choose(*origins, "Serviços da filial origem", false) : std::nullopt;
    if (!service) return;
    const auto destinations = Call("GetPesqServ", {Branch(*destination_)});
    const auto target = destinations ? Choose(*destinations, "Serviços da filial destino", false) : std::nullopt;
    if (!target) return;
    if (!Call("SetMapeamento", {Branch(*origin_), Branch(*destination_), "SERVICO", *service, "", Variant(), *target}))
        return;
    Refresh();
    tabs_->setCurrentIndex(kServices);
    const auto found = tables_[kServices]->findItems(QString::fromStdString(*service), Qt::MatchExactly);
    if (!found.isEmpty()) tables_[kServices]->selectRow(found.front()->row());
    tables_[kServices]->setFocus();
}

void MappingsWindow::RemoveCurrent() {
    const int tab = tabs_->currentIndex(), row = CurrentRow();
    if (row < 0) return;
    int answer = 0;
    Application->Perform([&] { answer = MessageDlg("Remover o mapeamento selecionado?", mtConfirmation, mbYesNo, 0); });
    activateWindow();
    if (answer != mrYes) return;
    const char* codeField = tab == kDiets ? "CDDIETORIG" : "CDTIPOORIG";
    const Variant sequence = tab == kDishTypes ? Variant(std::stoi(Cell(tab, row, "NRSEQORIG"))) : Variant();
    if (!Call("RemoveMapeamento", {Branch(*origin_), Branch(*destination_), kKinds[tab], Cell(tab, row, "CDSERVORIG"),
                                   tab == kServices ? "" : Cell(tab, row, codeField), sequence}))
        return;
    Refresh();
    tabs_->setCurrentIndex(tab);
    tables_[tab]->setFocus();
}

void MappingsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && tables_[tabs_->currentIndex()]->hasFocus()) {
        RemoveCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}
