// The export set against its given layouts, and the live tables it copies by position.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "schema/catalog.h"
#include "schema/export_set.h"
#include "schema_test_helpers.h"

namespace {

using schema_test::Lines;
using schema_test::Split;
using schema_test::Upper;

// One line per export table: "export|live table|name Cwidth, name Nwidth.decimals, ..." or
// "same fields as <export>".
constexpr const char* kExportSet = R"(
exbl1|BPBELI1|no_bpb C20, suplier C10, kdcb C6, gudang C6, tanggal D8, notes C40, discount N6.2, discount2 N6.2, code_id C4, cetak L1, tg_input D8, operator C10
exbl2|BPBELI2|no_bpb C20, kode C10, gudang C6, q_box N7, q_pak N7, q_pcs N7, quantity N9, harga N14.2, discount N6.2, discount2 N6.2, ktr C20, urutan C3, hrg_rata N14.2
exbbm|MASTBRJ|kode C10, golongan C10, induk C10, nama C20, nama2 C50, satuan C6, jumlah N9, harga N12.2, harga1 N12.2, harga2 N12.2, pak N7, dos N7, limit N7, hpp N12.2, harga4 N12.2
exgrd|GIRODBT|nomor C20, kdcb C6, ket C4, tanggal D8, tg_terima D8, relasi C10, account C10, code_id C4, debet N16.2, kredit N16.2, notes C20, kiriman L1, realisasi L1, tginput D8, operator C10
exgpi|GIRO_PI|nomor C20, pro_in C20, relasi C10, nilai_pro N16.2
exgrl|GIRO_RL|nomor C20, relasi C10, nilai N16.2
exgk1|GIROKR1|nomor C20, kdcb C6, tanggal D8, notes C20, cetak L1, tginput D8, operator C10
exgk2|GIROKR2|nomor C10, no_bukti C20, kdcb C6, kd_tt C4, debet N16.2, kredit N16.2, notes C20, urut C3
exjsm|JUSTMEN|nomor C20, tanggal D8, kode C10, gudang C6, quantity N9, harga N10.2, hrg_rata N10.2, tginput D8, operator C10
exmd1|MTSDBT1|nomor C20, tanggal D8, kdcb C6, gudang C6, code_id C4, cetak L1, tg_input D8, operator C10
exmd2|MTSDBT2|nomor C20, kode C10, gudang C6, q_box N7, q_pak N7, q_pcs N7, quantity N9, harga N14.2, ktr C30, hrg_rata N14
exmk1|MTSKDT1|same fields as exmd1
exmk2|MTSKDT2|same fields as exmd2
expdb|PIUTDBT|nota C20, tanggal D8, kdcb C6, relasi C10, tipe C2, sales C4, ktr C30, code_id C4, debet N16.2, kredit N16.2, tempo D8, approval L1, catatan C20, tginput D8, operator C10
expjb|PIUTJBL|nota C20, nomor C10, tanggal D8, kd_tt C6, no_bukti C20, debet N16.2, kredit N16.2, notes C30, urut C3
expk1|PIUTKR1|kdcb C6, nomor C10, tanggal D8, notes C30, cetak L1, kiriman L1, tginput D8, operator C10
expk2|PIUTKR2|kdcb C6, nomor C10, nota C20, kd_tt C2, no_bukti C20, kredit N16.2, notes C30, urut C3
exppn|PPN_KEL|no_sj C20, nomor C10, invoice C20, no_po C15, tanggal D8, relasi C10, sales C4, npwp C15, dpp N16.2, ppn N16.2, td L1, kirim D8, cabang C6, jenis C1, status C1, documen C1, id_nom C3, tg_input D8, operator C10
exppr|PPN_RET|same fields as exppn
expri1|PRO_IN1|nomor C20, no_reff C20, relasi C10, tipe C2, sales C4, tanggal D8, ktr C50, discount N6.2, discount2 N6.2, kdcb C6, nilai_pi N16.2, nilai_um N16.2, nilai_kr N16.2, audit D8, cetak L1, code_id C4, operator C10
expri2|PRO_IN2|nomor C20, kode C10, urut C3, quantity N9, realisasi N9, harga N14.2, discount N6.2, discount2 N6.2, i_box N7, i_pak N7, i_pcs N7
expro1|PRO_OT1|nomor C20, no_reff C20, tanggal D8, nilai_sj N16.2, audit D8, cetak L1, code_id C4, operator C10
expro2|PRO_OT2|nomor C20, no_reff C20, gudang C6, kode C10, urut C3, quantity N9, i_box N7, i_pak N7, i_pcs N7, kd_kirim C10
exrtb1|RTBELI1|nomor C20, suplier C10, kdcb C6, tanggal D8, notes C40, discount N6.2, discount2 N6.2, code_id C4, cetak L1, tg_input D8, operator C10
exrtb2|RTBELI2|nomor C20, no_bpb C20, urut C3, kode C10, gudang C6, q_box N7, q_pak N7, q_pcs N7, quantity N9, harga N14.2, discount N6.2, discount2 N6.2, urutan C3, ktr C20, hrg_rata N14.2
exrtj1|RTJUAL1|nomor C20, tanggal D8, relasi C10, tipe C2, sales C4, kdcb C6, ktr1 C20, ktr2 C20, discount N6.2, discount2 N6.2, code_id C4, radmin L1, include L1, cetak L1, batal L1, tg_input D8, opertor C10
exrtj2|RTJUAL2|nomor C20, invoice C20, kode C10, gudang C6, q_box N7, q_pak N7, q_pcs N7, quantity N9, harga N14.2, discount N6.2, discount2 N6.2, ktr C20, urutan C3, urut C3, hrg_rata N14.2
exrtj3|RTJUAL3|nomor C20, urutan C3, c_box N7, c_pak N7, c_pcs N9, c_harga N14.2
exsod1|SLSODR1|nomor C20, relasi C10, tanggal D8, tipe C2, sales C4, kdcb C6, ktr1 C20, ktr2 C20, discount N6.2, discount2 N6.2, code_id C4, include L1, cetak L1, batal L1, tg_input D8, opertor C10
exsod2|SLSODR2|nomor C20, kode C10, gudang C6, q_box N7, q_pak N7, q_pcs N7, quantity N9, qty_kirim N9, harga N14.2, discount N6.2, discount2 N6.2, ktr C20, urut C3, hrg_rata N14.2
exsjl1|SRTJLN1|invoice C20, tangga D8, nomor C15, ret_adm C20, relasi C10, tipe C2, sales C4, kdcb C6, tempo D8, term N3, pesan D8, kirim D8, ktr1 C20, ktr2 C20, discount N6.2, discount2 N6.2, code_id C4, include L1, cetak L1, batal L1, proforma L1, tg_input D8, opertor C10
exsjl2|SRTJLN2|invoice C20, kode C10, gudang C6, q_box N7, q_pak N7, q_pcs N7, quantity N9, harga N14.2, discount N6.2, discount2 N6.2, ktr C20, urutan C3, urut C3, hrg_rata N14.2
exsjl3|SRTJLN3|invoice C20, urutan C3, c_box N7, c_pak N7, c_pcs N9, c_harga N14.2
extgh1|TAGIH1|nomor C10, kcdb C6, tangga D8, penagih C4, tginput D8, operator C10
extgh2|TAGIH2|nomor C10, code_id C4, relasi C10, nota C20, jumlah N16.2
exbmmo|BMONITOR|invoice C20, tanggal D8, kodebm C10
expot1|BPOT_HDR|nomor C10, kdcb C6, tanggal D8, cetak L1, approval L1, realisasi L1, tginput D8, operator C10
expot2|BPOT_DTL|nomor C10, nota C20, kdtt C2, tarif N6.2, potongan N12.2, no_bpt C10, notes C50, relasi C9, tipe C2, sales C4, code_id C4, setuju L1
exbpot|BPOT_BPT|nomor C10, kdcb C6, tanggal D8, nota C20, kdtt C2, tarif N6.2, nilai N12.2, notes C50, cetak L1, tginput D8, operator C10
exdb38|MEMADM1|kdcb C6, nomor C10, tanggal D8, notes C40, approval L1, tgapprov D8, tginput D8, operator C10
exdb39|MEMADM2|kdcb C6, nomor C10, invoice C20, carton N12.2, terkirim L1, tg_kirim D8, jam_kirim C5, notes C40
exdb40|MEMDRV1|kdcb C6, nomor C10, tanggal D8, armada C10, sopir C10, jam_pergi C5, notes C40, approval L1, tgapprov D8, tginput D8, operator C10
exdb41|MEMDRV2|kdcb C6, nomor C10, invoice C20, carton N12.2, tg_kirim D8, tg_real D8, jam_real C5, terkirim L1
exdb42|MEMGDG1|same fields as exdb38
exdb43|MEMGDG2|kdcb C6, nomor C10, invoice C20, carton N12.2, tg_kirim D8, jam_kirim C5, notes C40, terkirim L1
exdb44|MEMPJK1|same fields as exdb38
exdb45|MEMPJK2|kdcb C6, nomor C10, invoice C20, carton N12.2
exmcus|MASTCUS|Relasi C9, Nama C40, Alamat C45, Alamat2 C45, Kota C15, Telp C40, Fax C40, Kontak1 C20, Kontak2 C20, kelompok C4, Tempo N3, Tempo2 N3, Tempo3 N3, Tempo4 N3, Disc N6.2, Kdsales C10, Outlet C6, Sales N16.2, Saldo N16.2, Terima N16.2, Npwp C15, Pkp L1, Code_id C4, tg_input D8, tg_update D8, operator C10
exdb46|RELASI_EXT|relasi C10, code_id C5, kdcb C4, teritory C10, country_id C10, coa_piut C30, coa_giro C30, coa_crmemo C30, coa_pretur C30, coa_termdc C30, coa_dcavbl C30, coa_fichrg C30, coa_wrtoff C30, coa_girom C30, coa_owrtof C30, coa_sales C30
exmsls|MASTSLS|sales C4, nama C20, kelompok C2, kod_lama C4, rl_hand C4, jabatan C4, tg_out D8, induk C4, nik C10, tg_update D8
exdtbm|DATABM|kode C10, nama C30, cabang C6, sales C4
exgs1|GRUPSJ1|invoice C20, relasi C10, nomor C10, tanggal D8, no_retur C20
exgs2|GRUPSJ2|invoice C20, relasi C10, member_sj C20
)";

struct GivenTable {
  std::string file;
  std::string live;
  std::vector<schema::FieldDef> fields;  // names point into `names`
  std::vector<std::string> names;        // as the export spells them, upper case
};

std::vector<GivenTable> ParseExportSet() {
  std::vector<GivenTable> tables;
  std::map<std::string, size_t> by_file;
  const std::string kSame = "same fields as ";
  for (const std::string& line : Lines(kExportSet)) {
    std::vector<std::string> columns = Split(line, '|');
    GivenTable table{columns[0], columns[1], {}, {}};
    if (columns[2].rfind(kSame, 0) == 0) {
      table.names = tables[by_file.at(columns[2].substr(kSame.size()))].names;
      table.fields = tables[by_file.at(columns[2].substr(kSame.size()))].fields;
    } else {
      for (const std::string& field : Split(columns[2], ',')) {
        std::vector<std::string> words = Split(field, ' ');
        const std::string& layout = words[1];
        size_t dot = layout.find('.');
        int width = std::stoi(layout.substr(1, dot == std::string::npos ? std::string::npos : dot - 1));
        int decimals = dot == std::string::npos ? 0 : std::stoi(layout.substr(dot + 1));
        table.names.push_back(Upper(words[0]));
        table.fields.push_back({nullptr, layout[0], width, decimals});
      }
    }
    by_file[table.file] = tables.size();
    tables.push_back(table);
  }
  return tables;
}

// The export tables spell a few live field names differently: three everywhere, two in one table each
// (the live names are those the screens of the table use).
std::string LiveName(const std::string& live_table, const std::string& exported) {
  static const std::map<std::string, std::string> kSpelling = {
      {"TANGGA", "TANGGAL"}, {"OPERTOR", "OPERATOR"}, {"KCDB", "KDCB"}};
  static const std::map<std::pair<std::string, std::string>, std::string> kTableSpelling = {
      {{"JUSTMEN", "TGINPUT"}, "TGLINPUT"}, {{"MASTSLS", "KOD_LAMA"}, "KD_LAMA"}};
  if (auto found = kTableSpelling.find({live_table, exported}); found != kTableSpelling.end()) return found->second;
  auto found = kSpelling.find(exported);
  return found == kSpelling.end() ? exported : found->second;
}

// The goods master carries its cost, entry and minimum price fields after the exported ones.
bool MayExtendExport(const std::string& table) { return table == "MASTBRJ"; }

TEST(ExportLayout, MirroredLiveTablesHoldTheExportedFieldsInOrder) {
  for (const GivenTable& given : ParseExportSet()) {
    const schema::TableDef* table = schema::FindTable(given.live);
    ASSERT_NE(table, nullptr) << given.live;
    if (MayExtendExport(given.live)) {
      ASSERT_GE(table->fields.size(), given.fields.size()) << given.live;
    } else {
      ASSERT_EQ(table->fields.size(), given.fields.size()) << given.live;
    }
    for (size_t i = 0; i < given.fields.size(); ++i) {
      const schema::FieldDef& field = table->fields[i];
      EXPECT_EQ(field.name, LiveName(given.live, given.names[i])) << given.live << " field " << i + 1;
      EXPECT_EQ(field.type, given.fields[i].type) << given.live << "." << field.name;
      EXPECT_EQ(field.width, given.fields[i].width) << given.live << "." << field.name;
      EXPECT_EQ(field.decimals, given.fields[i].decimals) << given.live << "." << field.name;
    }
  }
}

TEST(ExportLayout, ExportSetCreatesTheGivenTablesInOrderWithTheirSpellings) {
  std::vector<GivenTable> given = ParseExportSet();
  std::span<const schema::ExportTableDef> set = schema::ExportSet();
  ASSERT_EQ(set.size(), 53u);
  ASSERT_EQ(set.size(), given.size());
  for (size_t t = 0; t < set.size(); ++t) {
    EXPECT_EQ(set[t].file, given[t].file);
    EXPECT_EQ(set[t].live, given[t].live);
    std::vector<schema::FieldDef> layout = schema::ExportLayout(set[t]);
    ASSERT_EQ(layout.size(), given[t].fields.size()) << given[t].file;
    for (size_t i = 0; i < layout.size(); ++i) {
      EXPECT_EQ(layout[i].name, given[t].names[i]) << given[t].file << " field " << i + 1;
      EXPECT_EQ(layout[i].width, given[t].fields[i].width) << given[t].file << "." << layout[i].name;
    }
  }
}

}  // namespace
