// Sales orders, delivery notes and their receivables, free goods, proformas and tax invoices.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

// The document tables below are mirrored field by field by the branch export set.
constexpr FieldDef kSlsodr1[] = {
    C("NOMOR", 20),    C("RELASI", 10), D("TANGGAL"),   C("TIPE", 2),   C("SALES", 4),    C("KDCB", 6),
    C("KTR1", 20),     C("KTR2", 20),   N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2), C("CODE_ID", 4),
    L("INCLUDE"),      L("CETAK"),      L("BATAL"),     D("TG_INPUT"),  C("OPERATOR", 10)};
constexpr IndexDef kSlsodr1Idx[] = {{"SLSODR11", "nomor"}, {"SLSODR12", "dtos(tanggal)"}, {"SLSODR13", "relasi"},
                                    {"SLSODR14", "sales"}, {"SLSODR15", "kdcb"}};

constexpr FieldDef kSlsodr2[] = {
    C("NOMOR", 20),     C("KODE", 10),     C("GUDANG", 6),       N("Q_BOX", 7),        N("Q_PAK", 7),
    N("Q_PCS", 7),      N("QUANTITY", 9),  N("QTY_KIRIM", 9),    N("HARGA", 14, 2),    N("DISCOUNT", 6, 2),
    N("DISCOUNT2", 6, 2), C("KTR", 20),    C("URUT", 3),         N("HRG_RATA", 14, 2)};
constexpr IndexDef kSlsodr2Idx[] = {{"SLSODR21", "nomor"}, {"SLSODR22", "kode"}, {"SLSODR23", "nomor+kode"}};

constexpr FieldDef kSrtjln1[] = {
    C("INVOICE", 20), D("TANGGAL"),  C("NOMOR", 15),    C("RET_ADM", 20), C("RELASI", 10), C("TIPE", 2),
    C("SALES", 4),    C("KDCB", 6),  D("TEMPO"),        N("TERM", 3),     D("PESAN"),      D("KIRIM"),
    C("KTR1", 20),    C("KTR2", 20), N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2), C("CODE_ID", 4), L("INCLUDE"),
    L("CETAK"),       L("BATAL"),    L("PROFORMA"),     D("TG_INPUT"),    C("OPERATOR", 10)};
constexpr IndexDef kSrtjln1Idx[] = {{"SRTJLN11", "invoice"}, {"SRTJLN12", "dtos(tanggal)"}, {"SRTJLN13", "nomor"},
                                    {"SRTJLN14", "relasi"},  {"SRTJLN15", "sales"},         {"SRTJLN16", "kdcb"}};

constexpr FieldDef kSrtjln2[] = {
    C("INVOICE", 20),   C("KODE", 10),       C("GUDANG", 6), N("Q_BOX", 7), N("Q_PAK", 7),
    N("Q_PCS", 7),      N("QUANTITY", 9),    N("HARGA", 14, 2), N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2),
    C("KTR", 20),       C("URUTAN", 3),      C("URUT", 3),   N("HRG_RATA", 14, 2)};
constexpr IndexDef kSrtjln2Idx[] = {{"SRTJLN21", "invoice"}, {"SRTJLN22", "kode+gudang"}, {"SRTJLN23", "invoice+urut"}};

constexpr FieldDef kSrtjln3[] = {C("INVOICE", 20), C("URUTAN", 3), N("C_BOX", 7),
                                 N("C_PAK", 7),    N("C_PCS", 9),  N("C_HARGA", 14, 2)};
constexpr IndexDef kSrtjln3Idx[] = {{"SRTJLN31", "invoice"}, {"SRTJLN32", "invoice+urutan"}};

constexpr FieldDef kPiutdbt[] = {
    C("NOTA", 20),       D("TANGGAL"),        C("KDCB", 6),  C("RELASI", 10), C("TIPE", 2),
    C("SALES", 4),       C("KTR", 30),        C("CODE_ID", 4), N("DEBET", 16, 2), N("KREDIT", 16, 2),
    D("TEMPO"),          L("APPROVAL"),       C("CATATAN", 20), D("TGINPUT"),  C("OPERATOR", 10)};
constexpr IndexDef kPiutdbtIdx[] = {{"PIUTDBT1", "nota"}, {"PIUTDBT2", "dtos(tanggal)"}, {"PIUTDBT3", "relasi"},
                                    {"PIUTDBT4", "Tipe"}};

constexpr FieldDef kBmonitor[] = {C("INVOICE", 20), D("TANGGAL"), C("KODEBM", 10)};
constexpr IndexDef kBmonitorIdx[] = {{"BMONITOR", "invoice"}, {"BMONITOR2", "dtos(tanggal)"}};

constexpr FieldDef kFgoods[] = {C("NO_FG", 20), C("INVOICE", 20), N("NILAI", 16, 2)};
constexpr IndexDef kFgoodsIdx[] = {{"FGOODS1", "no_fg"}, {"FGOODS2", "invoice"}};

constexpr FieldDef kProIn1[] = {
    C("NOMOR", 20),    C("NO_REFF", 20),   C("RELASI", 10),     C("TIPE", 2),        C("SALES", 4),
    D("TANGGAL"),      C("KTR", 50),       N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2), C("KDCB", 6),
    N("NILAI_PI", 16, 2), N("NILAI_UM", 16, 2), N("NILAI_KR", 16, 2), D("AUDIT"),   L("CETAK"),
    C("CODE_ID", 4),   C("OPERATOR", 10)};
constexpr IndexDef kProIn1Idx[] = {{"PRO_IN11", "nomor"}, {"PRO_IN12", "relasi+nomor"}, {"PRO_IN13", "dtos(tanggal)"}};

constexpr FieldDef kProIn2[] = {C("NOMOR", 20),     C("KODE", 10),        C("URUT", 3),  N("QUANTITY", 9),
                                N("REALISASI", 9),  N("HARGA", 14, 2),    N("DISCOUNT", 6, 2),
                                N("DISCOUNT2", 6, 2), N("I_BOX", 7),      N("I_PAK", 7), N("I_PCS", 7)};
constexpr IndexDef kProIn2Idx[] = {{"PRO_IN21", "nomor"}, {"PRO_IN22", "nomor+kode"}, {"PRO_IN23", "kode"}};

constexpr FieldDef kProOt1[] = {C("NOMOR", 20), C("NO_REFF", 20), D("TANGGAL"),     N("NILAI_SJ", 16, 2),
                                D("AUDIT"),     L("CETAK"),       C("CODE_ID", 4), C("OPERATOR", 10)};
constexpr IndexDef kProOt1Idx[] = {{"PRO_OT11", "nomor"}, {"PRO_OT12", "no_reff+nomor"}, {"PRO_OT13", "dtos(tanggal)"}};

constexpr FieldDef kProOt2[] = {C("NOMOR", 20),    C("NO_REFF", 20), C("GUDANG", 6), C("KODE", 10), C("URUT", 3),
                                N("QUANTITY", 9),  N("I_BOX", 7),    N("I_PAK", 7),  N("I_PCS", 7), C("KD_KIRIM", 10)};
constexpr IndexDef kProOt2Idx[] = {{"PRO_OT21", "nomor"}, {"PRO_OT22", "no_reff+kode"}, {"PRO_OT23", "kode"}};

// Goods counted as slow-moving for the proforma target.
constexpr FieldDef kPktYes[] = {C("KODE", 10)};
constexpr IndexDef kPktYesIdx[] = {{"PKT_YES", "kode"}};

// Tax invoices of sales and of returns share one layout.
constexpr FieldDef kTaxInvoice[] = {
    C("NO_SJ", 20),   C("NOMOR", 10),    C("INVOICE", 20), C("NO_PO", 15),   D("TANGGAL"),
    C("RELASI", 10),  C("SALES", 4),     C("NPWP", 15),    N("DPP", 16, 2),  N("PPN", 16, 2),
    L("TD"),          D("KIRIM"),        C("CABANG", 6),   C("JENIS", 1),    C("STATUS", 1),
    C("DOCUMEN", 1),  C("ID_NOM", 3),    D("TG_INPUT"),    C("OPERATOR", 10)};
constexpr IndexDef kPpnKelIdx[] = {{"PPN_KEL1", "No_Sj"},         {"PPN_KEL2", "Nomor"},
                                   {"PPN_KEL3", "Invoice"},       {"PPN_KEL4", "Nomor+Invoice"},
                                   {"PPN_KEL5", "dtos(tanggal)"}, {"PPN_KEL6", "Relasi"}};
constexpr IndexDef kPpnRetIdx[] = {{"PPN_RET1", "No_Sj"},         {"PPN_RET2", "Nomor"},
                                   {"PPN_RET3", "Invoice"},       {"PPN_RET4", "Nomor+Invoice"},
                                   {"PPN_RET5", "dtos(tanggal)"}, {"PPN_RET6", "Relasi"}};

// Delivery-note groups billed on one tax invoice.
constexpr FieldDef kGrupsj1[] = {C("INVOICE", 20), C("RELASI", 10), C("NOMOR", 10), D("TANGGAL"), C("NO_RETUR", 20)};
constexpr IndexDef kGrupsj1Idx[] = {{"GRUPSJ11", "Invoice"}};
constexpr FieldDef kGrupsj2[] = {C("INVOICE", 20), C("RELASI", 10), C("MEMBER_SJ", 20)};
constexpr IndexDef kGrupsj2Idx[] = {{"GRUPSJ21", "Invoice"}, {"GRUPSJ22", "Member_sj"}};

constexpr TableDef kTables[] = {
    {"SLSODR1", kSlsodr1, kSlsodr1Idx},   {"SLSODR2", kSlsodr2, kSlsodr2Idx},
    {"SRTJLN1", kSrtjln1, kSrtjln1Idx},   {"SRTJLN2", kSrtjln2, kSrtjln2Idx},
    {"SRTJLN3", kSrtjln3, kSrtjln3Idx},   {"PIUTDBT", kPiutdbt, kPiutdbtIdx},
    {"BMONITOR", kBmonitor, kBmonitorIdx}, {"FGOODS", kFgoods, kFgoodsIdx},
    {"PRO_IN1", kProIn1, kProIn1Idx},     {"PRO_IN2", kProIn2, kProIn2Idx},
    {"PRO_OT1", kProOt1, kProOt1Idx},     {"PRO_OT2", kProOt2, kProOt2Idx},
    {"PKT_YES", kPktYes, kPktYesIdx},     {"PPN_KEL", kTaxInvoice, kPpnKelIdx},
    {"PPN_RET", kTaxInvoice, kPpnRetIdx}, {"GRUPSJ1", kGrupsj1, kGrupsj1Idx},
    {"GRUPSJ2", kGrupsj2, kGrupsj2Idx},
};

}  // namespace

std::span<const TableDef> Sales() { return kTables; }

}  // namespace schema::groups
