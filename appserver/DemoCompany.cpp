#include "DemoCompany.h"

#include "Answer.h"
#include "IntegrationFile.h"
#include "IntegrationFileWriter.h"
#include "KeptMappings.h"
#include "MenuExport.h"
#include "SqliteStatement.h"
#include "StoreSchema.h"
#include "Text.h"

#include <iterator>

namespace appserver {

namespace {

struct DemoBranch {
    const char* code;
    const char* name;
    const char* rescinded;
};

struct DemoService {
    const char* code;
    const char* otherCode;  // the code branch 0003 registers it under
    const char* name;
    bool hospital;
};

// A diet or a dish type: its code in every branch but 0003, its code in 0003, its name.
struct DemoCode {
    const char* code;
    const char* otherCode;
    const char* name;
};

struct DemoDishType {
    DemoCode type;
    int sequence;
    bool option;
};

const DemoBranch kBranches[] = {
    {"0001", "Matriz - São Paulo", "N"},
    {"0002", "Hospital São Lucas - Campinas", "N"},
    {"0003", "Indústria Açucareira Ribeirão Preto", "N"},
    {"0004", "Refeitório Conceição - Santos", "S"},
};

// The standard services, diets and dish types. Branch 0003 registers them under codes of its
// own, none of them another branch's and no two shifted alike, and writes their names in
// capitals (service names also without accents): the load still pairs them by name, and a
// mapping that takes an origin code for a destination one (or the reverse) finds nothing there.
const DemoService kServices[] = {
    {"00001", "00071", "Desjejum Hospitalar", true}, {"00002", "00052", "Almoço Hospitalar", true},
    {"00003", "00038", "Jantar Hospitalar", true},   {"00010", "00060", "Almoço Refeitório", false},
    {"00011", "00047", "Ceia Refeitório", false},
};

const DemoCode kHospitalDiets[] = {{"0001", "0031", "Livre"},       {"0002", "0017", "Branda"},
                                   {"0003", "0042", "Pastosa"},     {"0004", "0024", "Líquida"},
                                   {"0005", "0058", "Hipossódica"}, {"0006", "0063", "Diabética"}};
const DemoCode kStaffDiets[] = {{"0001", "0015", "Normal"}, {"0002", "0029", "Vegetariana"}};

const DemoDishType kHospitalDishTypes[] = {
    {{"01", "14", "Entrada"}, 1, false},   {{"02", "06", "Prato Principal"}, 2, false},
    {{"02", "06", "Prato Principal"}, 3, true}, {{"03", "23", "Guarnição"}, 4, false},
    {{"04", "09", "Sobremesa"}, 5, false}, {{"05", "31", "Bebida"}, 6, false}};
const DemoDishType kStaffDishTypes[] = {
    {{"01", "18", "Salada"}, 1, false},    {{"02", "27", "Prato Principal"}, 2, false},
    {{"02", "27", "Prato Principal"}, 3, true}, {{"03", "12", "Acompanhamento"}, 4, false},
    {{"04", "35", "Sobremesa"}, 5, false}};

const char* const kDishes[] = {
    "Arroz branco",         "Feijão carioca",       "Frango grelhado",     "Purê de batata",
    "Salada de alface",     "Sopa de legumes",      "Mingau de aveia",     "Pão francês",
    "Café com leite",       "Gelatina de morango",  "Suco de laranja",     "Peixe ao molho de limão",
    "Carne assada",         "Strogonoff de frango", "Lasanha à bolonhesa", "Legumes no vapor",
    "Maçã",                 "Banana",               "Pudim de leite",      "Canja de galinha",
    "Omelete de espinafre", "Farofa de cenoura",    "Macarrão ao sugo",    "Abobrinha refogada",
    "Chá de camomila",      "Vitamina de mamão",    "Caldo verde",         "Torta de palmito",
    "Quibe assado",         "Salada de frutas"};

// The demo week: Monday 3 to Sunday 9 March 2025. Configurations hold from 1 January 2024.
const TDateTime kFirstDay = EncodeDate(2025, 3, 3);
const TDateTime kLastDay = EncodeDate(2025, 3, 9);
const TDateTime kConfigurationStart = EncodeDate(2024, 1, 1);

std::string DishCode(size_t index) {
    std::string code = std::to_string(index + 1);
    return std::string(6 - code.size(), '0') + code;
}

// Branch 0003 registers everything under codes and names of its own.
bool OtherCodes(const DemoBranch& branch) { return std::string(branch.code) == "0003"; }

std::string ServiceCode(const DemoBranch& branch, const DemoService& service) {
    return OtherCodes(branch) ? service.otherCode : service.code;
}

std::string ServiceName(const DemoBranch& branch, const DemoService& service) {
    return OtherCodes(branch) ? FoldForMatch(service.name) : service.name;
}

std::string CodeIn(const DemoBranch& branch, const DemoCode& demo) {
    return OtherCodes(branch) ? demo.otherCode : demo.code;
}

std::string NameIn(const DemoBranch& branch, const DemoCode& demo) {
    return OtherCodes(branch) ? AnsiUpperCase(demo.name) : demo.name;
}

std::vector<FileDiet> DietsOf(const DemoBranch& branch, const DemoService& service) {
    std::vector<FileDiet> result;
    auto add = [&](const auto& table) {
        for (const auto& diet : table)
            result.push_back({ServiceCode(branch, service), CodeIn(branch, diet), NameIn(branch, diet)});
    };
    if (service.hospital) add(kHospitalDiets); else add(kStaffDiets);
    return result;
}

std::vector<FileDishType> DishTypesOf(const DemoBranch& branch, const DemoService& service) {
    std::vector<FileDishType> result;
    auto add = [&](const auto& table) {
        for (const auto& demo : table)
            result.push_back({ServiceCode(branch, service), CodeIn(branch, demo.type), demo.sequence, demo.sequence,
                              NameIn(branch, demo.type), demo.option});
    };
    if (service.hospital) add(kHospitalDishTypes); else add(kStaffDishTypes);
    return result;
}

void InsertParameters(SqliteDatabase& db, const std::filesystem::path& filePath) {
    db.Prepare("INSERT INTO PARAMINTEGRACAO VALUES ('1', 'T', 'S', 'S', ?)")
        .Bind(1, filePath.parent_path().string())
        .Run();
    db.Prepare("INSERT INTO DIRETORIO VALUES ('KRD52100', ?)").Bind(1, Utf8Left(filePath.string(), 100)).Run();
}

void InsertBranch(SqliteDatabase& db, const DemoBranch& branch) {
    db.Prepare("INSERT INTO FILIAL VALUES (?, ?, ?)").Bind(1, branch.code).Bind(2, branch.name).Bind(3, branch.rescinded).Run();
    auto service = db.Prepare("INSERT INTO SERVFILI VALUES (?, ?, ?, ?)");
    auto diet = db.Prepare("INSERT INTO SERVDIETA VALUES (?, ?, ?, ?)");
    auto dishType = db.Prepare("INSERT INTO CNFCARDAPIO VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (const auto& demo : kServices) {
        const std::string code = ServiceCode(branch, demo);
        service.Bind(1, branch.code).Bind(2, code).Bind(3, ServiceName(branch, demo)).Bind(4, demo.hospital ? "S" : "N").Run();
        for (const auto& record : DietsOf(branch, demo))
            diet.Bind(1, branch.code).Bind(2, code).Bind(3, record.code).Bind(4, record.name).Run();
        for (const auto& record : DishTypesOf(branch, demo)) {
            dishType.Bind(1, branch.code).Bind(2, code).BindDate(3, kConfigurationStart).Bind(4, record.code)
                .Bind(5, record.sequence).Bind(6, record.order).Bind(7, record.name).Bind(8, record.option ? "S" : "N")
                .Run();
        }
    }
    auto dish = db.Prepare("INSERT INTO PRATO VALUES (?, ?, ?)");
    for (size_t i = 0; i < std::size(kDishes); ++i) dish.Bind(1, branch.code).Bind(2, DishCode(i)).Bind(3, kDishes[i]).Run();
    // A withdrawal of last month: the demo week has none, so the demo file imports.
    db.Prepare("INSERT INTO RETIRADA (CDFILIAL, CDSERVFILI, DTRETIRADA, DSRETIRADA) VALUES (?, ?, ?, ?)")
        .Bind(1, branch.code).Bind(2, ServiceCode(branch, kServices[1])).BindDate(3, EncodeDate(2025, 2, 14))
        .Bind(4, "Retirada de estoque para o almoço").Run();
}

// The origin branch's menus of the demo week: one dish per day, diet and slot, chosen so that
// neighbouring slots differ.
void InsertOriginMenus(SqliteDatabase& db) {
    const DemoBranch& origin = kBranches[1];
    auto menu = db.Prepare("INSERT INTO CARDAPIO VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    size_t turn = 0;
    for (const auto& service : kServices) {
        for (TDateTime day = kFirstDay; day <= kLastDay; day = day + 1) {
            for (const auto& diet : DietsOf(origin, service)) {
                for (const auto& dishType : DishTypesOf(origin, service)) {
                    const std::string dish = DishCode((turn++ * 7) % std::size(kDishes));
                    const int diners = service.hospital ? 12 + static_cast<int>(turn % 30) : 150 + static_cast<int>(turn % 90);
                    menu.Bind(1, origin.code).Bind(2, service.code).BindDate(3, day).Bind(4, diet.code)
                        .Bind(5, dishType.code).Bind(6, dishType.sequence).Bind(7, dish).Bind(8, diners).Run();
                }
            }
        }
    }
}

// The demo file is what the origin branch exports of its demo week, as any branch's would be.
void ExportDemoFile(SqliteDatabase& db, const std::filesystem::path& path) {
    const LocalFileAccess files;
    const ImportRoots folder({path.parent_path()}, files);
    const auto answer = Answer::Read(MenuExport(db, folder, files)
                                         .ExportaCardapio(kBranches[1].code, kFirstDay, kLastDay, Variant(), path.string()));
    if (!answer || !answer->ok)
        throw std::runtime_error("não foi possível gravar o arquivo de demonstração " + path.string() + ": " +
                                 (answer ? answer->message : ""));
}

}  // namespace

void DemoCompany::Create(const std::string& databasePath, const std::filesystem::path& filePath) {
    SqliteDatabase db(databasePath);
    StoreSchema::Migrate(db);
    {
        SqliteTransaction transaction(db);
        auto existing = db.Prepare("SELECT COUNT(*) FROM FILIAL");
        existing.Step();
        if (existing.Integer(0) > 0) throw StoreError("o banco de dados " + databasePath + " já tem dados");
        InsertParameters(db, filePath);
        for (const auto& branch : kBranches) InsertBranch(db, branch);
        InsertOriginMenus(db);
        transaction.Commit();
    }
    ExportDemoFile(db, std::filesystem::absolute(filePath));
}

void DemoCompany::KeepSyntheticMappings(const std::string& databasePath) {
    SqliteDatabase db(databasePath);
    KeptMappings kept(db, kOriginBranch, kHeadOffice);
    for (const char* service : {"00001", "00002", "00003"}) {
        kept.SetService(service, service);
        for (const char* diet : {"0001", "0002", "0003", "0004"}) kept.SetDiet(service, diet, {service, diet});
    }
}

}  // namespace appserver
