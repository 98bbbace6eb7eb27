// Key decoding, colour strings and the scripted terminal.
#include <gtest/gtest.h>

#include "console/colour.h"
#include "console/console.h"
#include "console/key_decoder.h"
#include "console/keys.h"
#include "console/scripted_terminal.h"

namespace console {
namespace {

int Decode(std::string_view bytes) {
  const DecodedKey decoded = DecodeKey(bytes, false);
  EXPECT_EQ(decoded.length, bytes.size()) << "for " << bytes.substr(1);
  return decoded.key;
}

TEST(KeyDecoderTest, ClassicCodesFromTerminalSequences) {
  EXPECT_EQ(Decode("\x1b"), 27);
  EXPECT_EQ(Decode("\r"), 13);
  EXPECT_EQ(Decode("\x7f"), 8);
  EXPECT_EQ(Decode("\t"), 9);
  EXPECT_EQ(Decode("a"), 'a');
  // Function keys in the forms of xterm, tmux, rxvt and the Linux console.
  EXPECT_EQ(Decode("\x1bOP"), 28);
  EXPECT_EQ(Decode("\x1b[11~"), 28);
  EXPECT_EQ(Decode("\x1b[[A"), 28);
  EXPECT_EQ(Decode("\x1bOQ"), -1);
  EXPECT_EQ(Decode("\x1b[14~"), -3);
  EXPECT_EQ(Decode("\x1b[15~"), -4);
  EXPECT_EQ(Decode("\x1b[21~"), -9);
  EXPECT_EQ(Decode("\x1b[23~"), -40);
  EXPECT_EQ(Decode("\x1b[1;2Q"), -11);  // Shift+F2
  EXPECT_EQ(Decode("\x1b[21;5~"), -29);  // Ctrl+F10
  EXPECT_EQ(Decode("\x1b[15;3~"), -34);  // Alt+F5
  // Cursor keys, plain and with Ctrl, in normal and application mode.
  EXPECT_EQ(Decode("\x1b[A"), key::kUp);
  EXPECT_EQ(Decode("\x1bOB"), key::kDown);
  EXPECT_EQ(Decode("\x1b[C"), 4);
  EXPECT_EQ(Decode("\x1b[D"), 19);
  EXPECT_EQ(Decode("\x1b[1;5D"), 26);
  EXPECT_EQ(Decode("\x1b[1;5C"), 2);
  EXPECT_EQ(Decode("\x1bOd"), 26);
  EXPECT_EQ(Decode("\x1b[1;5A"), 397);
  EXPECT_EQ(Decode("\x1b[H"), 1);
  EXPECT_EQ(Decode("\x1b[1~"), 1);
  EXPECT_EQ(Decode("\x1b[4~"), 6);
  EXPECT_EQ(Decode("\x1b[1;5H"), 29);
  EXPECT_EQ(Decode("\x1b[1;5F"), 23);
  EXPECT_EQ(Decode("\x1b[5~"), 18);
  EXPECT_EQ(Decode("\x1b[6~"), 3);
  EXPECT_EQ(Decode("\x1b[5;5~"), 31);
  EXPECT_EQ(Decode("\x1b[6;5~"), 30);
  EXPECT_EQ(Decode("\x1b[5^"), 31);
  EXPECT_EQ(Decode("\x1b[2~"), 22);
  EXPECT_EQ(Decode("\x1b[3~"), 7);
  EXPECT_EQ(Decode("\x1b[Z"), 271);
  EXPECT_EQ(Decode("\x1b[13;5u"), 10);
  EXPECT_EQ(Decode("\x1b[27;5;13~"), 10);
  // Keypad in application mode, with and without Ctrl.
  EXPECT_EQ(Decode("\x1bOM"), 13);
  EXPECT_EQ(Decode("\x1bOk"), '+');
  EXPECT_EQ(Decode("\x1bO5k"), 400);
  EXPECT_EQ(Decode("\x1bO5m"), 398);
  EXPECT_EQ(Decode("\x1bOq"), '1');
  // Alt combinations and the fallbacks.
  EXPECT_EQ(Decode("\x1bx"), 301);
  EXPECT_EQ(Decode("\x1b" "F"), 289);
  EXPECT_EQ(Decode("\x1b+"), 400);
  EXPECT_EQ(Decode("\x1b-"), 398);
  EXPECT_EQ(Decode("\x1f"), key::kCtrlPgUp);
  EXPECT_EQ(Decode("\x1e"), key::kCtrlPgDn);
  // UTF-8 characters arrive as their code page bytes.
  EXPECT_EQ(Decode("\xc3\xa9"), 0x82);
  EXPECT_EQ(Decode("\xe2\x94\x80"), 0xC4);
}

TEST(KeyDecoderTest, WaitsForTheRestOfASequence) {
  EXPECT_TRUE(DecodeKey("\x1b", true).need_more);
  EXPECT_TRUE(DecodeKey("\x1b[", true).need_more);
  EXPECT_TRUE(DecodeKey("\x1b[15", true).need_more);
  EXPECT_TRUE(DecodeKey("\xc3", true).need_more);
  const DecodedKey first = DecodeKey("\x1b[Aq", true);
  EXPECT_EQ(first.key, key::kUp);
  EXPECT_EQ(first.length, 3u);
  const DecodedKey esc = DecodeKey("\x1b\x1b[A", true);
  EXPECT_EQ(esc.key, 27);
  EXPECT_EQ(esc.length, 1u);
  // Esc typed ahead of more keys is the Esc key; alone with one character it is Alt.
  const DecodedKey ahead = DecodeKey("\x1b" "b1", true);
  EXPECT_EQ(ahead.key, 27);
  EXPECT_EQ(ahead.length, 1u);
  EXPECT_EQ(DecodeKey("\x1b" "b", true).key, key::Alt('b'));
  EXPECT_EQ(DecodeKey("\x1b" "b", true, true).key, 27);
}

TEST(KeyDecoderTest, AnyBytesDecodeWithoutGettingStuck) {
  uint32_t seed = 12345;
  auto next = [&seed] { return (seed = seed * 1103515245 + 12345) >> 16; };
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const int n = 1 + static_cast<int>(next() % 12);
    for (int i = 0; i < n; ++i) bytes.push_back(next() % 3 == 0 ? "\x1b[O;~5"[next() % 7] : static_cast<char>(next()));
    std::string_view rest = bytes;
    while (!rest.empty()) {
      const DecodedKey decoded = DecodeKey(rest, false);
      ASSERT_GE(decoded.length, 1u);
      ASSERT_LE(decoded.length, rest.size());
      rest.remove_prefix(decoded.length);
    }
  }
}

TEST(KeysTest, AltLettersAndFunctionKeys) {
  EXPECT_EQ(key::Alt('a'), 286);
  EXPECT_EQ(key::Alt('Q'), 272);
  EXPECT_EQ(key::Alt('m'), 306);
  EXPECT_EQ(key::Alt('1'), 376);
  EXPECT_EQ(key::Alt('0'), 385);
  EXPECT_EQ(key::AltChar(302), 'C');
  EXPECT_EQ(key::AltChar(5), 0);
  EXPECT_EQ(key::F(1), 28);
  EXPECT_EQ(key::F(10), -9);
  EXPECT_EQ(key::F(12), -41);
  EXPECT_EQ(key::CtrlF(1), -20);
  EXPECT_EQ(key::Ctrl('w'), 23);
}

TEST(ColourTest, PairsInEveryWrittenForm) {
  EXPECT_EQ(ParseColourPair("W+/bg"), 0x3F);
  EXPECT_EQ(ParseColourPair("Gr+/r"), 0x4E);
  EXPECT_EQ(ParseColourPair("gr+/br"), 0x5E);
  EXPECT_EQ(ParseColourPair("w+/n*"), 0x8F);
  EXPECT_EQ(ParseColourPair("W+/r+"), 0xCF);
  EXPECT_EQ(ParseColourPair("6+/n"), 0x0E);
  EXPECT_EQ(ParseColourPair("7+/B"), 0x1F);
  EXPECT_EQ(ParseColourPair("/w"), 0x70);
  EXPECT_EQ(ParseColourPair("W"), 0x07);
  EXPECT_EQ(ParseColourPair("n/n"), 0x00);
  EXPECT_EQ(ParseColourPair("n+/n"), 0x08);
  EXPECT_EQ(ParseColourPair("b+/w"), 0x79);
  EXPECT_EQ(ParseColourPair("15/1"), 0x1F);
  EXPECT_EQ(ParseColourPair("I"), 0x70);
}

TEST(ColourTest, ListsKeepEmptySlots) {
  const ColourSet base = ColourSet().With("W/n,N/W,N,N,N/W");
  const ColourSet set = base.With("W/n,Gr+/w,,Gr+/n,Gr+/n");
  EXPECT_EQ(set.standard, 0x07);
  EXPECT_EQ(set.enhanced, 0x7E);
  EXPECT_EQ(set.border, base.border);
  EXPECT_EQ(set.background, 0x0E);
  EXPECT_EQ(set.unselected, 0x0E);
  const ColourSet get = base.With("Gr+/bg,W+/r+");
  EXPECT_EQ(get.standard, 0x3E);
  EXPECT_EQ(get.enhanced, 0xCF);
  EXPECT_EQ(get.unselected, base.unselected);
}

TEST(ConsoleTest, SayClipsAndSaveRestoresARegion) {
  ManualClock clock({xbase::Date::FromYmd(2024, 1, 31), 3600});
  ScriptedTerminal term({'x', key::kNone, 'y'}, &clock);
  Console con(term, clock);
  con.Say(3, 76, "ABCDEF", ParseColourPair("W+/b"));
  EXPECT_EQ(con.Text(3, 76, 4), "ABCD");
  EXPECT_EQ(con.At(3, 77).attr, 0x1F);
  const Region saved = con.Save(3, 70, 3, 79);
  con.Clear(0, 0, 24, 79, 0x07);
  con.Restore(saved);
  EXPECT_EQ(con.Text(3, 76, 4), "ABCD");
  EXPECT_EQ(con.Inkey(0), 'x');
  EXPECT_EQ(term.Text(3, 76, 4), "ABCD");
  int ticks = 0;
  con.set_idle([&](Console&) { ++ticks; });
  EXPECT_EQ(con.WaitKey(), 'y');
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(TimeText(clock.Now()), "01:00:01");
  EXPECT_EQ(con.Inkey(-1), 27);
  EXPECT_EQ(term.overruns(), 1);
}

}  // namespace
}  // namespace console
