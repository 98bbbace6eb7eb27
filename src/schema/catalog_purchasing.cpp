// Goods receipts, shipment documents, purchase returns, and the branch forecast and D1 orders.
#include "schema/catalog_groups.h"
#include "schema/field_builders.h"

namespace schema::groups {
namespace {
using namespace build;

// Mirrored field by field by the branch export set.
constexpr FieldDef kBpbeli1[] = {C("NO_BPB", 20),     C("SUPLIER", 10),     C("KDCB", 6),     C("GUDANG", 6),
                                 D("TANGGAL"),        C("NOTES", 40),       N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2),
                                 C("CODE_ID", 4),     L("CETAK"),           D("TG_INPUT"),    C("OPERATOR", 10)};
constexpr IndexDef kBpbeli1Idx[] = {{"BPBELI11", "no_bpb"}, {"BPBELI12", "dtos(tanggal)"}, {"BPBELI13", "suplier"}};

constexpr FieldDef kBpbeli2[] = {C("NO_BPB", 20),       C("KODE", 10),     C("GUDANG", 6),  N("Q_BOX", 7),
                                 N("Q_PAK", 7),         N("Q_PCS", 7),     N("QUANTITY", 9), N("HARGA", 14, 2),
                                 N("DISCOUNT", 6, 2),   N("DISCOUNT2", 6, 2), C("KTR", 20), C("URUTAN", 3),
                                 N("HRG_RATA", 14, 2)};
constexpr IndexDef kBpbeli2Idx[] = {{"BPBELI21", "no_bpb"}, {"BPBELI22", "kode+gudang"}, {"BPBELI23", "no_bpb+urutan"}};

constexpr FieldDef kRtbeli1[] = {C("NOMOR", 20),     C("SUPLIER", 10),    C("KDCB", 6),        D("TANGGAL"),
                                 C("NOTES", 40),     N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2), C("CODE_ID", 4),
                                 L("CETAK"),         D("TG_INPUT"),       C("OPERATOR", 10)};
constexpr IndexDef kRtbeli1Idx[] = {{"RTBELI11", "nomor"}, {"RTBELI12", "dtos(tanggal)"}, {"RTBELI13", "suplier"}};

constexpr FieldDef kRtbeli2[] = {C("NOMOR", 20),      C("NO_BPB", 20),     C("URUT", 3),       C("KODE", 10),
                                 C("GUDANG", 6),      N("Q_BOX", 7),       N("Q_PAK", 7),      N("Q_PCS", 7),
                                 N("QUANTITY", 9),    N("HARGA", 14, 2),   N("DISCOUNT", 6, 2), N("DISCOUNT2", 6, 2),
                                 C("URUTAN", 3),      C("KTR", 20),        N("HRG_RATA", 14, 2)};
constexpr IndexDef kRtbeli2Idx[] = {{"RTBELI21", "nomor"}, {"RTBELI22", "kode+gudang"}};

// Shipment documents of the logistics department: the header has the goods-receipt header's layout.
constexpr IndexDef kPebHdrIdx[] = {{"PEB_HDR", "no_bpb"}};
constexpr FieldDef kPebDtl[] = {C("NO_BPB", 20),       C("KODE", 10),        N("Q_BOX", 7),    N("Q_PAK", 7),
                                N("Q_PCS", 7),         N("QUANTITY", 9),     N("HARGA", 14, 2), N("DISCOUNT", 6, 2),
                                N("DISCOUNT2", 6, 2),  C("KTR", 20),         C("URUTAN", 3)};
constexpr IndexDef kPebDtlIdx[] = {{"PEB_DTL", "no_bpb"}};
constexpr FieldDef kPebMst[] = {C("KODE", 10),       C("GOLONGAN", 10),  C("INDUK", 10),      C("NAMA", 20),
                                C("NAMA2", 50),      C("SATUAN", 6),     N("HARGA", 12, 2),   N("HARGA1", 12, 2),
                                N("HARGA2", 12, 2),  N("HARGA4", 12, 2), N("PAK", 7),         N("DOS", 7)};
constexpr IndexDef kPebMstIdx[] = {{"PEB_MST", "kode"}};

// Imported shipment documents with the purchase order and goods receipt they were given.
constexpr FieldDef kDtaPeb[] = {C("NOMOR", 20), C("SUPLIER", 10), C("NO_PO", 10),
                                D("TG_PO"),     C("NO_BPB", 10),  D("TG_BPB")};
constexpr IndexDef kDtaPebIdx[] = {{"DTA_PEB1", "nomor"}, {"DTA_PEB2", "no_po"}, {"DTA_PEB3", "no_bpb"}};

// Saved branch forecasts, in cartons.
constexpr FieldDef kFcCbng1[] = {C("NOMOR", 20),  C("CABANG", 6),     D("TANGGAL"),       D("TGLKIRIM"),
                                 N("JUM_HK", 9),  N("LEAD_TIME", 9),  N("BUFF_STOCK", 9), D("TGLINPUT")};
constexpr IndexDef kFcCbng1Idx[] = {{"FC_CBNG11", "nomor"},
                                    {"FC_CBNG12", "cabang+nomor"},
                                    {"FC_CBNG13", "dtos(tanggal)"},
                                    {"FC_CBNG14", "cabang+dtos(tglkirim)"}};
constexpr FieldDef kFcCbng2[] = {C("CABANG", 6),     C("NOMOR", 20),     C("KODE", 10),      C("PATRON", 10),
                                 N("PER_BOX", 7),    N("KUM_JLTHL", 9),  N("JUAL_TTGG", 9),  N("TGT_BLINI", 9),
                                 N("AVG_SDBLI", 9),  N("EST_JLBLI", 9),  N("STK_BLINI", 9),  N("BRG_DIJLN", 9),
                                 N("EST_AKHIR", 9)};
constexpr IndexDef kFcCbng2Idx[] = {{"FC_CBNG21", "nomor"}, {"FC_CBNG22", "nomor+kode"}, {"FC_CBNG23", "kode"}};

// D1 replenishment orders.
constexpr FieldDef kD1cbng1[] = {C("NOMOR", 20), C("KD_CB", 6),   D("TANGGAL"),
                                 D("TGKIRIM"),   D("TGINPUT"),    C("OPERATOR", 10)};
constexpr IndexDef kD1cbng1Idx[] = {
    {"D1CBNG11", "nomor"}, {"D1CBNG12", "kd_cb+dtos(tanggal)"}, {"D1CBNG13", "dtos(tgkirim)"}};
constexpr FieldDef kD1cbng2[] = {C("NOMOR", 20), C("KODE", 10), C("URUTAN", 3), N("CARTON", 9), N("QUANTITY", 10)};
constexpr IndexDef kD1cbng2Idx[] = {{"D1CBNG21", "nomor"}, {"D1CBNG22", "nomor+kode"}, {"D1CBNG23", "kode"}};

constexpr TableDef kTables[] = {
    {"BPBELI1", kBpbeli1, kBpbeli1Idx},   {"BPBELI2", kBpbeli2, kBpbeli2Idx},
    {"RTBELI1", kRtbeli1, kRtbeli1Idx},   {"RTBELI2", kRtbeli2, kRtbeli2Idx},
    {"PEB_HDR", kBpbeli1, kPebHdrIdx},    {"PEB_DTL", kPebDtl, kPebDtlIdx},
    {"PEB_MST", kPebMst, kPebMstIdx},     {"DTA_PEB", kDtaPeb, kDtaPebIdx},
    {"FC_CBNG1", kFcCbng1, kFcCbng1Idx},  {"FC_CBNG2", kFcCbng2, kFcCbng2Idx},
    {"D1CBNG1", kD1cbng1, kD1cbng1Idx},   {"D1CBNG2", kD1cbng2, kD1cbng2Idx},
};

}  // namespace

std::span<const TableDef> Purchasing() { return kTables; }

}  // namespace schema::groups
