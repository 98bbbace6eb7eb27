// A return draft from entry through the request files, the head office's approval and the branch's
// realisation: stock, the return document, the instrument a payment receipt may spend, and the
// refusals that keep other instruments and a second realisation from doing harm.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "console/keys.h"
#include "receivables/receipt.h"
#include "returns/draft.h"
#include "returns/realisation.h"
#include "returns/request_view.h"
#include "returns/requests.h"
#include "returns/return_forms.h"
#include "returns/return_tables.h"
#include "returns/returns.h"
#include "returns/returns_test_helpers.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "support/temp_folder.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

using namespace returns::testing;

class ReturnFlowTest : public ReturnsTest {
 protected:
  ReturnFlowTest() {
    AddNote("SJ1", kDay - 20, true, 48, 1000, 0, 0, 48000);
    EXPECT_TRUE(CreateRequestFiles(exchange.path()).ok());
  }

  // The draft entry's tables, as the screens open them (taken as they stand open).
  frame::OpenedTables Drafts() { return OpenDraftTables(rig.session); }

  // A new draft "RT-01" of one carton from SJ1's line, with header discounts 10 and 0 typed.
  void EnterDraft() {
    Draft draft;
    const frame::OpenedTables tables = Drafts();
    ASSERT_TRUE(GETDRAFT(rig.session, tables, "RT-01", &draft)) << Message();
    EXPECT_TRUE(draft.is_new);
    draft.date = kDay;
    draft.customer = "C0001";
    draft.branch = kBranch;
    draft.warehouse = "GDG01";
    draft.reason1 = "KEMASAN RUSAK";
    draft.reason2 = "R1";
    DraftLine line;
    line.invoice = "SJ1";
    draft.lines.push_back(line);
    ASSERT_TRUE(CheckDraftNote(rig.session, tables, &draft, "SJ1"));
    ASSERT_TRUE(TakeNoteLine(rig.session, tables, &draft.lines[0], "  1"));
    draft.lines[0].boxes = 1;
    ASSERT_TRUE(CountPieces(tables["MASTBRJ"], &draft.lines[0]).ok());
    draft.discount1 = 10;
    ASSERT_TRUE(SaveDraft(rig.session, tables, &draft).ok());
  }

  void OpenFiles() {
    const std::optional<RequestFiles> opened = OpenRequestFiles(rig.session, exchange.path());
    ASSERT_TRUE(opened);
    files.emplace(*opened);
  }

  void Send() {
    OpenFiles();
    int sent = 0;
    bool saved = false;
    ASSERT_TRUE(SendDrafts(rig.session, Drafts(), *files, {"RT", "", kDay - 1, kDay}, &sent, &saved).ok());
    EXPECT_TRUE(saved);
    EXPECT_EQ(sent, 1);
  }

  // Head office approves every pending request with reason 2 `code`, dated the next day.
  void Approve(const std::string& code) {
    std::vector<uint32_t> pending;
    ASSERT_TRUE(RequestsMarked(files->headers, "", &pending).ok());
    for (uint32_t record : pending) {
      ASSERT_TRUE(files->headers.GoTo(record).ok());
      ASSERT_TRUE(ApproveRequest(rig.session, files->headers, kDay + 1, code).ok());
    }
  }

  // Realises every approved request and removes those done; the outcomes.
  std::vector<Outcome> Realise() {
    std::vector<uint32_t> approved;
    EXPECT_TRUE(RequestsMarked(files->headers, kApprovalMarker, &approved).ok());
    std::vector<Outcome> outcomes;
    for (uint32_t record : approved) {
      xbase::WorkArea& head = files->headers;
      EXPECT_TRUE(head.GoTo(record).ok());
      const Approval approval{head.Text("NOMOR"), head.DateOf("TANGGAL"), head.Text("ALASAN2"), "GDG01"};
      Outcome outcome = Outcome::kRefused;
      EXPECT_TRUE(REALISASIRETURJUAL(rig.session, OpenRealisationTables(rig.session), approval, &outcome).ok());
      if (outcome != Outcome::kRefused) {
        bool removed = false;
        EXPECT_TRUE(RemoveRequest(rig.session, *files, approval.number, &removed).ok());
        EXPECT_TRUE(removed);
      }
      outcomes.push_back(outcome);
    }
    return outcomes;
  }

  support::TempFolder exchange;
  std::optional<RequestFiles> files;
};

TEST_F(ReturnFlowTest, DraftIsSentApprovedAndRealisedIntoStockDocumentAndInstrument) {
  EnterDraft();
  // One carton of 12 at 1000, less the header's 10 percent.
  EXPECT_DOUBLE_EQ(Number("DRAFTR1", "NOMOR", "RT-01", "NILAI"), 10800);
  EXPECT_DOUBLE_EQ(Number("DRAFTR2", "NOMOR", "RT-01", "QUANTITY"), 12);
  EXPECT_DOUBLE_EQ(Number("DRAFTR2", "NOMOR", "RT-01", "HRG_RATA"), 700);
  Send();
  EXPECT_TRUE(Flag("DRAFTR1", "NOMOR", "RT-01", "CETAK"));
  EXPECT_DOUBLE_EQ(Number(kRequestHeaders, "NOMOR", "RT-01", "NILAI"), 10800);
  EXPECT_EQ(Field(kRequestLines, "NOMOR", "RT-01", "INVOICE"), "SJ1");
  Draft again;
  EXPECT_FALSE(GETDRAFT(rig.session, Drafts(), "RT-01", &again));
  EXPECT_EQ(Message(), "Nomor Ini dalam pengajuan, tidak boleh diralat");

  Approve("R1");
  EXPECT_EQ(Field(kRequestHeaders, "NOMOR", "RT-01", "SETUJU"), std::string(kApprovalMarker));
  EXPECT_EQ(Realise(), std::vector<Outcome>{Outcome::kRealised});
  EXPECT_DOUBLE_EQ(Stock(), 62);
  EXPECT_EQ(Field("RTJUAL1", "NOMOR", "RT-01", "KTR2"), "R1");
  EXPECT_EQ(Field("RTJUAL1", "NOMOR", "RT-01", "KTR1"), "KEMASAN RUSAK");
  EXPECT_TRUE(Flag("RTJUAL1", "NOMOR", "RT-01", "INCLUDE"));
  EXPECT_DOUBLE_EQ(Number("RTJUAL1", "NOMOR", "RT-01", "DISCOUNT"), 10);
  EXPECT_DOUBLE_EQ(Number("RTJUAL2", "NOMOR", "RT-01", "QUANTITY"), 12);
  EXPECT_EQ(Field("RTJUAL2", "NOMOR", "RT-01", "GUDANG"), "GDG01");
  EXPECT_EQ(Field("GIRODBT", "NOMOR", "RT-01", "KET"), "RTR1");
  EXPECT_DOUBLE_EQ(Number("GIRODBT", "NOMOR", "RT-01", "DEBET"), 10800);
  EXPECT_TRUE(Flag("GIRODBT", "NOMOR", "RT-01", "REALISASI"));
  EXPECT_TRUE(Flag("DRAFTR1", "NOMOR", "RT-01", "REALISASI"));
  EXPECT_TRUE(LiveRows(kRequestHeaders).empty());
  EXPECT_TRUE(LiveRows(kRequestLines).empty());

  // The same files brought back: nothing moves a second time.
  xbase::WorkArea& requests = files->headers;
  ASSERT_TRUE(requests.GoTo(1).ok() && requests.Lock().ok() && requests.Recall().ok() && requests.Unlock().ok());
  EXPECT_EQ(Realise(), std::vector<Outcome>{Outcome::kAlreadyRealised});
  EXPECT_EQ(Message(), "Nomor RT-01 sudah direalisasi");
  EXPECT_DOUBLE_EQ(Stock(), 62);
  EXPECT_EQ(LiveRows("GIRODBT").size(), 1u);
  EXPECT_EQ(LiveRows("RTJUAL2").size(), 1u);
  EXPECT_DOUBLE_EQ(Number("GIRODBT", "NOMOR", "RT-01", "DEBET"), 10800);
}

TEST_F(ReturnFlowTest, EscAtAStoredDraftLineLeavesTheDraftAsItWas) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  for (const std::string& table : ReturnTables()) Open(rig.session, table);
  EnterDraft();
  Draft draft;
  const frame::OpenedTables tables = Drafts();
  ASSERT_TRUE(GETDRAFT(rig.session, tables, "RT-01", &draft)) << Message();
  ASSERT_EQ(draft.lines.size(), 1u);
  draft.lines[0].boxes = 2;
  ASSERT_TRUE(CountPieces(tables["MASTBRJ"], &draft.lines[0]).ok());
  draft.reason1 = "SALAH KIRIM";
  support::OtherWorkstation other(folder.path());
  other.Hold("DRAFTR2", 1);
  rig.term.AddKeys({console::key::kEsc, ' ', ' '});
  EXPECT_FALSE(SaveDraft(rig.session, tables, &draft).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file DRAFTR2.Dbf, tekan [Esc]=batal...."));
  EXPECT_EQ(Message(), "Tidak ada yang tersimpan");
  EXPECT_EQ(Field("DRAFTR1", "NOMOR", "RT-01", "ALASAN1"), "KEMASAN RUSAK");
  EXPECT_DOUBLE_EQ(Number("DRAFTR1", "NOMOR", "RT-01", "NILAI"), 10800);
  EXPECT_DOUBLE_EQ(Number("DRAFTR2", "NOMOR", "RT-01", "BOX"), 1);
  EXPECT_DOUBLE_EQ(Number("DRAFTR2", "NOMOR", "RT-01", "QUANTITY"), 12);

  other.Release();
  ASSERT_TRUE(SaveDraft(rig.session, tables, &draft).ok()) << Message();
  EXPECT_EQ(Field("DRAFTR1", "NOMOR", "RT-01", "ALASAN1"), "SALAH KIRIM");
  EXPECT_DOUBLE_EQ(Number("DRAFTR1", "NOMOR", "RT-01", "NILAI"), 21600);
  EXPECT_DOUBLE_EQ(Number("DRAFTR2", "NOMOR", "RT-01", "QUANTITY"), 24);
  EXPECT_EQ(LiveRows("DRAFTR2").size(), 1u);
  support::ExpectVerified(folder.path());
}

// Two clerks correct the same draft: the one saving after the other's save is refused and the other's
// header and lines stay; a new number another clerk saved first is refused the same way.
TEST_F(ReturnFlowTest, ADraftSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  for (const std::string& table : ReturnTables()) Open(rig.session, table);
  EnterDraft();
  const frame::OpenedTables tables = Drafts();
  Draft first, second;
  ASSERT_TRUE(GETDRAFT(rig.session, tables, "RT-01", &first)) << Message();
  ASSERT_TRUE(GETDRAFT(rig.session, tables, "RT-01", &second)) << Message();
  first.lines[0].boxes = 2;
  ASSERT_TRUE(CountPieces(tables["MASTBRJ"], &first.lines[0]).ok());
  ASSERT_TRUE(SaveDraft(rig.session, tables, &first).ok()) << Message();

  second.reason1 = xbase::PadR("SALAH KIRIM", 50);
  second.lines.clear();
  rig.term.AddKeys({' '});
  EXPECT_TRUE(SaveDraft(rig.session, tables, &second).IsInvalidArgument());
  EXPECT_TRUE(support::Shown(rig.term, "Draft RT-01 diubah di komputer lain, panggil ulang datanya"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Field("DRAFTR1", "NOMOR", "RT-01", "ALASAN1"), "KEMASAN RUSAK");
  EXPECT_DOUBLE_EQ(Number("DRAFTR1", "NOMOR", "RT-01", "NILAI"), 21600);
  EXPECT_DOUBLE_EQ(Number("DRAFTR2", "NOMOR", "RT-01", "QUANTITY"), 24);
  EXPECT_EQ(LiveRows("DRAFTR2").size(), 1u);

  Draft fresh, late;
  ASSERT_TRUE(GETDRAFT(rig.session, tables, "RT-09", &fresh)) << Message();
  ASSERT_TRUE(GETDRAFT(rig.session, tables, "RT-09", &late)) << Message();
  ASSERT_TRUE(fresh.is_new && late.is_new);
  fresh.reason1 = xbase::PadR("PERTAMA", 50);
  late.reason1 = xbase::PadR("KEDUA", 50);
  ASSERT_TRUE(SaveDraft(rig.session, tables, &fresh).ok()) << Message();
  rig.term.AddKeys({' '});
  EXPECT_TRUE(SaveDraft(rig.session, tables, &late).IsInvalidArgument());
  EXPECT_TRUE(support::Shown(rig.term, "Draft RT-09 diubah di komputer lain, panggil ulang datanya"));
  EXPECT_EQ(Field("DRAFTR1", "NOMOR", "RT-09", "ALASAN1"), "PERTAMA");
  EXPECT_EQ(LiveRows("DRAFTR1").size(), 2u);
  support::ExpectVerified(folder.path());
}

// A draft line's quantity is counted from the good's carton and pack sizes: a good that cannot be read
// is the error and the quantity stays as it was, never the pieces alone.
TEST_F(ReturnFlowTest, PiecesOfAGoodThatCannotBeReadAreNotCounted) {
  DraftLine line;
  line.code = "BRG01";
  line.boxes = 2;
  line.packs = 1;
  line.pieces = 3;
  {
    const frame::OpenedTables tables = Drafts();
    ASSERT_TRUE(CountPieces(tables["MASTBRJ"], &line).ok());
    EXPECT_EQ(line.quantity, 33);
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  }
  support::DamageIndexPages(folder.path(), "MASTBRJ");
  const frame::OpenedTables damaged = Drafts();
  line.boxes = 4;
  const xbase::Status s = CountPieces(damaged["MASTBRJ"], &line);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("MASTBRJ"), std::string::npos) << s.message();
  EXPECT_EQ(line.quantity, 33);
}

// The return takes the include mark of its first line's delivery note: a note that cannot be read is
// the failure with nothing written, never a return written as not included.
TEST_F(ReturnFlowTest, ARealisationWhoseNoteCannotBeReadWritesNothing) {
  EnterDraft();
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(folder.path(), "SRTJLN1");
  Outcome outcome = Outcome::kRealised;
  const Approval approval{"RT-01", kDay + 1, "R1", "GDG01"};
  const xbase::Status s = REALISASIRETURJUAL(rig.session, OpenRealisationTables(rig.session), approval, &outcome);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("SRTJLN1"), std::string::npos) << s.message();
  EXPECT_EQ(outcome, Outcome::kRefused);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_TRUE(LiveRows("RTJUAL1").empty());
  EXPECT_TRUE(LiveRows("RTJUAL2").empty());
  EXPECT_TRUE(LiveRows("GIRODBT").empty());
  EXPECT_FALSE(Flag("DRAFTR1", "NOMOR", "RT-01", "REALISASI"));
  EXPECT_DOUBLE_EQ(Stock(), 50);
}

// The list of requests prints each request's customer with the open balance: invoices that cannot be
// read are the error with no lines, never a balance without them.
TEST_F(ReturnFlowTest, TheRequestListPrintsTheOpenBalanceOrNothing) {
  EnterDraft();
  Send();
  const RequestFilter filter{kDay - 1, kDay, "", ""};
  std::vector<std::string> lines;
  {
    const frame::OpenedTables tables = frame::OpenTables(rig.session, {"MASTBRJ", "MASTCUS", "PIUTDBT"});
    ASSERT_TRUE(tables);
    ASSERT_TRUE(RequestListLines(tables, *files, filter, &lines).ok());
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "RELASI : C0001 " + xbase::PadR("TOKO MAJU", 30) + "               Sisa Piutang :      48,000.00");
    EXPECT_EQ(lines[2].substr(0, 34), " 1 BRG01      SABUN CAIR 500ML    ");
  }
  ASSERT_TRUE(rig.session.tables().Close("PIUTDBT").ok());
  support::DamageIndexPages(folder.path(), "PIUTDBT");
  const frame::OpenedTables tables = frame::OpenTables(rig.session, {"MASTBRJ", "MASTCUS", "PIUTDBT"});
  ASSERT_TRUE(tables);
  const xbase::Status s = RequestListLines(tables, *files, filter, &lines);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("PIUTDBT"), std::string::npos) << s.message();
  EXPECT_TRUE(lines.empty());
}

// Esc at a lock of the sending leaves the draft unsent and the request files empty; Esc at a lock of
// the removal after a realisation leaves the request whole, and the next run only removes it.
TEST_F(ReturnFlowTest, EscWhileSendingOrRemovingARequestWritesNothing) {
  EnterDraft();
  OpenFiles();
  int sent = 0;
  bool saved = true;
  {
    support::OtherWorkstation other(folder.path());
    other.Hold("DRAFTR1", 1);
    rig.term.AddKeys({console::key::kEsc, ' ', ' '});
    ASSERT_TRUE(SendDrafts(rig.session, Drafts(), *files, {"RT", "", kDay - 1, kDay}, &sent, &saved).ok());
    EXPECT_FALSE(saved);
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file DRAFTR1.Dbf, tekan [Esc]=batal...."));
    EXPECT_EQ(Message(), "Tidak ada yang tersimpan");
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_FALSE(Flag("DRAFTR1", "NOMOR", "RT-01", "CETAK"));
    EXPECT_TRUE(LiveRows(kRequestHeaders).empty());
    EXPECT_TRUE(LiveRows(kRequestLines).empty());
  }
  ASSERT_TRUE(SendDrafts(rig.session, Drafts(), *files, {"RT", "", kDay - 1, kDay}, &sent, &saved).ok());
  EXPECT_TRUE(saved);
  EXPECT_EQ(sent, 1);
  Approve("R1");
  {
    support::OtherWorkstation other(exchange.path());
    other.Hold(kRequestLines, 1);
    rig.term.AddKeys({console::key::kEsc, ' ', ' '});
    Outcome outcome = Outcome::kRefused;
    const Approval approval{"RT-01", kDay + 1, "R1", "GDG01"};
    ASSERT_TRUE(REALISASIRETURJUAL(rig.session, OpenRealisationTables(rig.session), approval, &outcome).ok());
    EXPECT_EQ(outcome, Outcome::kRealised);
    bool removed = true;
    ASSERT_TRUE(RemoveRequest(rig.session, *files, "RT-01", &removed).ok());
    EXPECT_FALSE(removed);
    EXPECT_EQ(Message(), "Tidak ada yang tersimpan");
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(LiveRows(kRequestHeaders).size(), 1u);
    EXPECT_EQ(LiveRows(kRequestLines).size(), 1u);
  }
  EXPECT_EQ(Realise(), std::vector<Outcome>{Outcome::kAlreadyRealised});
  EXPECT_TRUE(LiveRows(kRequestHeaders).empty());
  EXPECT_TRUE(LiveRows(kRequestLines).empty());
  EXPECT_DOUBLE_EQ(Stock(), 62);
}

TEST_F(ReturnFlowTest, TheInstrumentPaysOnlyItsReturnCode) {
  EnterDraft();
  Send();
  Approve("R1");
  Realise();
  rig.session.CloseTables();
  const frame::OpenedTables tables = receivables::OpenReceiptTables(rig.session);
  ASSERT_TRUE(tables);
  receivables::Receipt receipt;
  receipt.date = kDay + 2;
  console::ValueRow line = receivables::BlankLine(1);
  line[receivables::kCustomer] = Value::Text(xbase::PadR("C0001", 10));
  receipt.lines = {line};
  const auto pays = [&](const std::string& code) {
    receipt.lines[0][receivables::kCode] = Value::Text(code);
    Value number = Value::Text(xbase::PadR("RT-01", 20));
    return receivables::VALIDASIENTRY(rig.session, tables, &number, receivables::kInstrument, &receipt, 0, {});
  };
  EXPECT_TRUE(pays("R1"));
  EXPECT_FALSE(pays("R2"));
  EXPECT_EQ(Message(), "bukan untuk RETUR R2");
  EXPECT_FALSE(pays("BL"));
  EXPECT_EQ(Message(), "bukan untuk BS / BL");
}

TEST_F(ReturnFlowTest, AReasonThatIsNoReturnCodeAndAGiroNumberAreRefused) {
  EnterDraft();
  Send();
  Approve("XX");
  EXPECT_EQ(Realise(), std::vector<Outcome>{Outcome::kRefused});
  EXPECT_EQ(Message(), "Alasan 2 [XX] bukan kode jenis retur");
  EXPECT_DOUBLE_EQ(Stock(), 50);
  EXPECT_TRUE(LiveRows("RTJUAL1").empty());
  EXPECT_TRUE(LiveRows("GIRODBT").empty());
  EXPECT_EQ(LiveRows(kRequestHeaders).size(), 1u);

  // A giro registered under the draft's number since: the realisation leaves it alone.
  AddRows(Open(rig.session, "GIRODBT"), {{{"NOMOR", T("RT-01")}, {"KET", T("GIRO")}, {"DEBET", N(5000)}}});
  Approve("R1");
  ASSERT_TRUE(files->headers.GoTo(1).ok());
  ASSERT_TRUE(ApproveRequest(rig.session, files->headers, kDay + 1, "R1").ok());
  EXPECT_EQ(Realise(), std::vector<Outcome>{Outcome::kRefused});
  EXPECT_EQ(Message(), "Nomor RT-01 sudah dipakai giro/transfer");
  EXPECT_EQ(Field("GIRODBT", "NOMOR", "RT-01", "KET"), "GIRO");
  EXPECT_DOUBLE_EQ(Number("GIRODBT", "NOMOR", "RT-01", "DEBET"), 5000);
  EXPECT_DOUBLE_EQ(Stock(), 50);

  // Nor may a new draft take a giro's number, or a delivery note's.
  AddRows(Open(rig.session, "GIRODBT"), {{{"NOMOR", T("BCA 1")}, {"KET", T("TRSO")}}});
  Draft draft;
  EXPECT_FALSE(GETDRAFT(rig.session, Drafts(), "BCA 1", &draft));
  EXPECT_EQ(Message(), "Nomor Ini sudah dipakai");
  EXPECT_FALSE(GETDRAFT(rig.session, Drafts(), "SJ1", &draft));
  EXPECT_EQ(Message(), "Nomor Ini sudah dipakai");
}

// A draft sent as a request keeps every field it travels with, and the request reads back as the
// draft was saved.
TEST_F(ReturnFlowTest, ASentRequestHoldsEveryFieldOfItsDraft) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  for (const std::string& table : ReturnTables()) Open(rig.session, table);
  const frame::OpenedTables tables = Drafts();
  Draft draft;
  ASSERT_TRUE(GETDRAFT(rig.session, tables, "RT-03", &draft)) << Message();
  draft.date = kDay;
  draft.customer = xbase::PadR("C0001", 10);
  draft.type = "01";
  draft.salesman = "S001";
  draft.branch = kBranch;
  draft.discount1 = 10;
  draft.discount2 = 2.5;
  draft.warehouse = "GDG01 ";
  draft.code_id = "0001";
  draft.reason1 = xbase::PadR("KEMASAN RUSAK", 50);
  draft.reason2 = xbase::PadR("SALAH KIRIM", 50);
  DraftLine line;
  line.invoice = xbase::PadR("SJ1", 20);
  line.code = xbase::PadR("BRG01", 10);
  line.boxes = 1;
  line.packs = 1;
  line.pieces = 2;
  line.quantity = 20;
  line.price = 1000;
  line.discount1 = 5;
  line.discount2 = 2;
  line.urut = "  1";
  line.average_cost = 700;
  draft.lines = {line};
  ASSERT_TRUE(SaveDraft(rig.session, tables, &draft).ok()) << Message();
  Send();
  // 20 x 1000 less 5 and 2 percent is 18,620; less the header's 10 and 2.5 percent, 16,339.05.
  EXPECT_EQ(RecordsOf(rig.session.tables(), kRequestHeaders),
            std::vector<std::string>{"RT-03|20261208|C0001|01|S001|JKT001|10|2.500000|GDG01|16339.050000|"
                                     "KEMASAN RUSAK|SALAH KIRIM|0001|"});
  EXPECT_EQ(RecordsOf(rig.session.tables(), kRequestLines),
            std::vector<std::string>{"RT-03|SJ1|BRG01|1|1|2|20|1000|5|2|700|  1"});

  Draft request;
  ASSERT_TRUE(files->headers.GoTo(1).ok());
  ASSERT_TRUE(ReadRequest(tables["MASTBRJ"], *files, &request).ok());
  EXPECT_EQ(request.number, xbase::PadR("RT-03", 20));
  EXPECT_EQ(request.date, kDay);
  EXPECT_EQ(request.customer, draft.customer);
  EXPECT_EQ(request.type, "01");
  EXPECT_EQ(request.salesman, "S001");
  EXPECT_EQ(request.branch, kBranch);
  EXPECT_DOUBLE_EQ(request.discount1, 10);
  EXPECT_DOUBLE_EQ(request.discount2, 2.5);
  EXPECT_EQ(request.warehouse, "GDG01 ");
  EXPECT_EQ(request.code_id, "0001");
  EXPECT_EQ(request.reason1, draft.reason1);
  EXPECT_EQ(request.reason2, draft.reason2);
  ASSERT_EQ(request.lines.size(), 1u);
  const DraftLine& read = request.lines[0];
  EXPECT_EQ(read.invoice, line.invoice);
  EXPECT_EQ(read.code, line.code);
  EXPECT_EQ(read.name, xbase::PadR("SABUN CAIR 500ML", 20));
  EXPECT_EQ(std::vector<double>({read.boxes, read.packs, read.pieces, read.quantity, read.price, read.discount1,
                                 read.discount2, read.average_cost}),
            std::vector<double>({1, 1, 2, 20, 1000, 5, 2, 700}));
  EXPECT_EQ(read.urut, "  1");
  EXPECT_DOUBLE_EQ(request.Net(), 16339.05);
  support::ExpectVerified(folder.path());
}

TEST_F(ReturnFlowTest, ALineOfANoteWithOtherDiscountsIsRefused) {
  AddNote("SJ2", kDay - 3, true, 10, 1000, 0, 0, 9500, 5);
  Draft draft;
  const frame::OpenedTables tables = Drafts();
  ASSERT_TRUE(GETDRAFT(rig.session, tables, "RT-02", &draft));
  ASSERT_TRUE(CheckDraftNote(rig.session, tables, &draft, "SJ2"));
  EXPECT_DOUBLE_EQ(draft.discount1, 5);
  EXPECT_FALSE(CheckDraftNote(rig.session, tables, &draft, "SJ1"));
  EXPECT_EQ(Message(), "Cash discount / Tipe, tidak sama");
}

}  // namespace
}  // namespace returns
