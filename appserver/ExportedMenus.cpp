#include "ExportedMenus.h"

#include "BranchCatalogue.h"
#include "IntegrationFileWriter.h"
#include "ServerMessages.h"
#include "SqliteStatement.h"
#include "Text.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <unordered_set>
#include <utility>

namespace appserver {

namespace {

constexpr const char* kFix = "; corrija o cadastro antes de exportar.";

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string DayText(TDateTime day) {
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", dayOfMonth, month, year);
    return text;
}

// The first character the file cannot carry in a name: one Windows-1252 cannot hold (a broken
// UTF-8 byte included), the separator "ø", CR or LF. Empty when there is none.
std::string ForbiddenCharacter(std::string_view name) {
    for (size_t at = 0; at < name.size();) {
        size_t length = 1;
        while (at + length < name.size() && (static_cast<unsigned char>(name[at + length]) & 0xC0) == 0x80) ++length;
        const std::string_view character = name.substr(at, length);
        if (character == "ø" || character == "\r" || character == "\n" ||
            DecodeWindows1252(EncodeWindows1252(character)) != character)
            return std::string(character);
        at += length;
    }
    return {};
}

// `record` names what the name belongs to, e.g. "do prato 000031".
std::string CheckName(const std::string& record, std::string_view name, size_t maxCharacters) {
    const std::string forbidden = ForbiddenCharacter(name);
    if (forbidden == "\r" || forbidden == "\n") return "O nome " + record + " contém uma quebra de linha" + kFix;
    if (forbidden == "ø")
        return "O nome " + record + " (" + Quoted(name) + ") contém \"ø\", o separador do arquivo de integração" + kFix;
    if (!forbidden.empty())
        return "O nome " + record + " (" + Quoted(name) + ") contém " + Quoted(forbidden) +
               ", que o Windows-1252 não representa" + kFix;
    if (Trim(name).empty()) return "O nome " + record + " está em branco" + kFix;
    if (const size_t length = Utf8Length(name); length > maxCharacters)
        return "O nome " + record + " tem " + std::to_string(length) + " caracteres, o máximo é " +
               std::to_string(maxCharacters) + kFix;
    return {};
}

// `what` names the kind of record, e.g. "do prato".
std::string CheckCode(const std::string& what, std::string_view code, size_t width) {
    const bool plain = std::all_of(code.begin(), code.end(), [](char c) {
        return c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
    if (!plain || code.size() != width || Trim(code).empty())
        return "O código " + what + " " + Quoted(code) + " não cabe no arquivo de integração (" + std::to_string(width) +
               " letras, algarismos ou brancos)" + kFix;
    return {};
}

// What the menu rows of one service in the period use.
struct ServiceUse {
    uint64_t lines = 0;
    std::set<std::string> diets;
    std::set<std::pair<std::string, int>> slots;  // dish type, sequence
    std::unordered_set<std::string> dishes;
    std::string problem;
};

ServiceUse ScanService(SqliteDatabase& db, const std::string& branch, const std::string& service, TDateTime first,
                       TDateTime last) {
    auto rows = db.Prepare(
        "SELECT CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO, QTCOMENSAIS FROM CARDAPIO "
        "WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTCARDAPIO BETWEEN ? AND ?");
    rows.Bind(1, branch).Bind(2, service).BindDate(3, first).BindDate(4, last);
    ServiceUse use;
    std::string diet;
    while (rows.Step()) {
        ++use.lines;
        // Rows come in key order, so a diet comes in runs: look it up once per run.
        if (std::string next = rows.Text(0); next != diet) {
            use.diets.insert(next);
            diet = std::move(next);
        }
        use.slots.emplace(rows.Text(1), static_cast<int>(rows.Integer(2)));
        use.dishes.insert(rows.Text(3));
        const int64_t diners = rows.Integer(4);
        if ((diners < 0 || diners > 999999999) && use.problem.empty())
            use.problem = "O cardápio do serviço " + service + " tem " + std::to_string(diners) +
                          " comensais numa linha; o arquivo de integração aceita de 0 a 999999999.";
    }
    return use;
}

class Gathering {
public:
    Gathering(SqliteDatabase& db, const ExportRequest& request, IntegrationFile& file)
        : db_(db), request_(request), catalogue_(db, request.branch), file_(file) {}

    // The services to export, or a refusal.
    std::variant<std::vector<ServiceRecord>, std::string> Services() const;
    // Adds one service with what its rows use; a refusal when the rows cannot be exported.
    std::string AddService(const ServiceRecord& service, const ServiceUse& use);
    std::string AddDishes();
    std::string CheckRecords() const;

private:
    std::string AddDiets(const ServiceRecord& service, const ServiceUse& use);
    std::string AddConfiguration(const ServiceRecord& service, const ServiceUse& use);

    SqliteDatabase& db_;
    const ExportRequest& request_;
    BranchCatalogue catalogue_;
    IntegrationFile& file_;
    std::unordered_set<std::string> dishes_;
};

std::variant<std::vector<ServiceRecord>, std::string> Gathering::Services() const {
    if (request_.services.empty()) return catalogue_.Services();
    std::vector<ServiceRecord> services;
    for (const std::string& code : std::set<std::string>(request_.services.begin(), request_.services.end())) {
        auto service = catalogue_.Service(code);
        if (!service) return "Serviço " + code + " não cadastrado na filial " + request_.branch + ".";
        services.push_back(*service);
    }
    return services;
}

std::string Gathering::AddService(const ServiceRecord& service, const ServiceUse& use) {
    if (!use.problem.empty()) return use.problem;
    file_.services.push_back({service.code, service.name, service.hospital});
    dishes_.insert(use.dishes.begin(), use.dishes.end());
    std::string problem = AddDiets(service, use);
    return problem.empty() ? AddConfiguration(service, use) : problem;
}

std::string Gathering::AddDiets(const ServiceRecord& service, const ServiceUse& use) {
    std::set<std::string> missing = use.diets;
    for (const DietRecord& diet : catalogue_.Diets(service.code)) {
        if (missing.erase(diet.code) > 0) file_.diets.push_back({service.code, diet.code, diet.name});
    }
    if (missing.empty()) return {};
    return "O cardápio do serviço " + service.code + " usa a dieta " + Quoted(*missing.begin()) +
           ", que não é uma dieta padrão cadastrada do serviço.";
}

std::string Gathering::AddConfiguration(const ServiceRecord& service, const ServiceUse& use) {
    auto change = db_.Prepare(
        "SELECT MIN(DTINICNF) FROM CNFCARDAPIO WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTINICNF > ? AND DTINICNF <= ?");
    change.Bind(1, request_.branch).Bind(2, service.code).BindDate(3, request_.firstDay).BindDate(4, request_.lastDay);
    if (change.Step() && !change.IsNull(0)) {
        const TDateTime day = change.Date(0);
        return "A configuração de cardápio do serviço " + service.code + " muda em " + DayText(day) +
               ", dentro do período: exporte até " + DayText(day - 1) + " e a partir de " + DayText(day) +
               " em arquivos separados.";
    }
    std::set<std::pair<std::string, int>> unknown = use.slots;
    for (const DishTypeRecord& row : catalogue_.Configuration(service.code, request_.firstDay)) {
        unknown.erase({row.code, row.sequence});
        file_.dishTypes.push_back({service.code, row.code, row.sequence, row.order, row.name, row.option});
    }
    if (unknown.empty()) return {};
    return "O cardápio do serviço " + service.code + " usa o tipo de prato " + Quoted(unknown.begin()->first) +
           " na sequência " + std::to_string(unknown.begin()->second) +
           ", que a configuração do serviço válida em " + DayText(request_.firstDay) + " não tem.";
}

std::string Gathering::AddDishes() {
    auto names = db_.Prepare("SELECT CDPRATO, NMPRATO FROM PRATO WHERE CDFILIAL = ? ORDER BY CDPRATO");
    names.Bind(1, request_.branch);
    while (names.Step()) {
        std::string code = names.Text(0);
        if (dishes_.erase(code) > 0) file_.dishes.push_back({std::move(code), names.Text(1)});
    }
    if (dishes_.empty()) return {};
    return "Os cardápios usam o prato " + Quoted(*std::min_element(dishes_.begin(), dishes_.end())) +
           ", que não está cadastrado na filial " + request_.branch + ".";
}

std::string Gathering::CheckRecords() const {
    std::string problem = CheckCode("da filial", file_.header.originBranch, 4);
    auto check = [&problem](std::string found) {
        if (problem.empty()) problem = std::move(found);
    };
    check(CheckName("da filial " + file_.header.originBranch, file_.header.originBranchName, 50));
    for (const auto& service : file_.services) {
        check(CheckCode("do serviço", service.code, 5));
        check(CheckName("do serviço " + service.code, service.name, 40));
    }
    for (const auto& diet : file_.diets) {
        check(CheckCode("da dieta", diet.code, 4));
        check(CheckName("da dieta " + diet.code + " do serviço " + diet.service, diet.name, 50));
    }
    for (const auto& type : file_.dishTypes) {
        const std::string record = "do tipo de prato " + type.code + " do serviço " + type.service;
        check(CheckCode("do tipo de prato", type.code, 2));
        check(CheckName(record, type.name, 15));
        if (type.sequence < 1 || type.sequence > 99 || type.order < 0 || type.order > 9999)
            check("A sequência (1 a 99) ou a ordem (0 a 9999) " + record + " não cabe no arquivo de integração" + kFix);
    }
    for (const auto& dish : file_.dishes) {
        check(CheckCode("do prato", dish.code, 6));
        check(CheckName("do prato " + dish.code, dish.name, 60));
    }
    return problem;
}

}  // namespace

std::variant<ExportedMenus, std::string> ExportedMenus::Gather(SqliteDatabase& db, const ExportRequest& request) {
    const auto branch = BranchCatalogue(db, request.branch).Branch();
    if (!branch) return std::string(messages::kBranchMissing);
    if (branch->rescinded) return std::string(messages::kBranchRescinded);

    ExportedMenus menus;
    menus.branch_ = request.branch;
    menus.file_.header = {branch->code, branch->name, request.firstDay, request.lastDay};
    Gathering gathering(db, request, menus.file_);
    auto services = gathering.Services();
    if (auto* refusal = std::get_if<std::string>(&services)) return *refusal;
    for (const ServiceRecord& service : std::get<std::vector<ServiceRecord>>(services)) {
        const ServiceUse use = ScanService(db, request.branch, service.code, request.firstDay, request.lastDay);
        if (use.lines == 0) continue;
        if (std::string problem = gathering.AddService(service, use); !problem.empty()) return problem;
        menus.menuLines_ += use.lines;
    }
    if (menus.menuLines_ == 0)
        return "Não há cardápios " + std::string(request.services.empty() ? "" : "dos serviços escolhidos ") +
               "da filial " + request.branch + " de " + DayText(request.firstDay) + " a " + DayText(request.lastDay) +
               ": nada a exportar.";
    if (std::string problem = gathering.AddDishes(); !problem.empty()) return problem;
    if (std::string problem = gathering.CheckRecords(); !problem.empty()) return problem;
    return menus;
}

void ExportedMenus::Write(SqliteDatabase& db, std::ostream& out) const {
    IntegrationFileWriter writer(out);
    writer.Write(file_);
    auto rows = db.Prepare(
        "SELECT DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO, QTCOMENSAIS FROM CARDAPIO "
        "WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTCARDAPIO BETWEEN ? AND ? "
        "ORDER BY DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO");
    for (const FileService& service : file_.services) {
        rows.Reset();
        rows.Bind(1, branch_).Bind(2, service.code).BindDate(3, file_.header.firstDay).BindDate(4, file_.header.lastDay);
        std::string dayText;
        TDateTime day;
        while (rows.Step()) {
            // Rows come in runs of one day: read the day once per run.
            if (std::string text = rows.Text(0); text != dayText) {
                day = rows.Date(0);
                dayText = std::move(text);
            }
            const std::string diet = rows.Text(1), dishType = rows.Text(2), dish = rows.Text(4);
            writer.Write(MenuLine{service.code, day, diet, dishType, static_cast<int>(rows.Integer(3)), dish,
                                  static_cast<int>(rows.Integer(5))});
        }
    }
}

}  // namespace appserver
