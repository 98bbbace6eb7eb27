// Users, menu rights, settings and the other tables of the application frame.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

constexpr FieldDef kLogsetup[] = {C("LOGEDPATH", 50), D("LOGEDDATE"), L("DEFAULT"), C("BUDGET", 35)};
constexpr IndexDef kLogsetupIdx[] = {{"LOGSETUP", "logedpath"}};

constexpr FieldDef kMenu[] = {C("GRUP", 10),  C("KODE", 10),       C("INDUK", 10),   C("INDUK1", 10),
                              C("INDUK2", 10), N("LVL", 3), C("KETERANGAN", 40), C("PROSEDUR", 60)};
constexpr IndexDef kMenuIdx[] = {{"MENU", "grup+kode"}};

// KET is wider than the 70 columns the settings editor shows.
constexpr FieldDef kSetup[] = {C("SETUP", 10), C("KET", 100)};
constexpr IndexDef kSetupIdx[] = {{"SETUP", "setup"}};

constexpr FieldDef kTransak[] = {C("USER_ID", 10), C("USER_NM", 20), C("PASS_ID", 10), N("LEVEL_ID", 3),
                                 C("KODEPROG", 50), C("TRAN_ID", 3),  C("GUDANG", 6)};
constexpr IndexDef kTransakIdx[] = {{"TRANSAK", "user_id"}};

constexpr FieldDef kUserdat[] = {C("NIK", 10), C("GRUP", 10), C("KODE", 10), C("INDUK1", 10), C("INDUK2", 10)};
constexpr IndexDef kUserdatIdx[] = {{"USERDAT1", "nik+grup+induk1+induk2"}, {"USERDAT2", "nik+grup+kode"}};

constexpr FieldDef kTbbm[] = {C("BBM", 14), N("HARGA", 10, 2)};
constexpr IndexDef kTbbmIdx[] = {{"TBBM", "bbm"}};

constexpr FieldDef kMastacc[] = {C("ACCOUNT", 10), C("DESCRIP", 40), C("JENIS", 1)};
constexpr IndexDef kMastaccIdx[] = {{"MASTACC1", "account"}, {"MASTACC2", "descrip"}};

// Only its presence matters: a folder holding it is a valid data folder.
constexpr FieldDef kJurnal1[] = {C("NOMOR", 10)};

// Records 1 to 99 hold the English word of the record number.
constexpr FieldDef kDollar[] = {C("TERBILANG", 20)};

constexpr TableDef kTables[] = {
    {"LOGSETUP", kLogsetup, kLogsetupIdx}, {"MENU", kMenu, kMenuIdx},
    {"SETUP", kSetup, kSetupIdx},          {"TRANSAK", kTransak, kTransakIdx},
    {"USERDAT", kUserdat, kUserdatIdx},    {"TBBM", kTbbm, kTbbmIdx},
    {"MASTACC", kMastacc, kMastaccIdx},    {"JURNAL1", kJurnal1, {}},
    {"DOLLAR", kDollar, {}},
};

}  // namespace

std::span<const TableDef> Frame() { return kTables; }

}  // namespace schema::groups
