#include "store/private_lines.h"

#include <gtest/gtest.h>

namespace kinloom::store {
namespace {

TEST(PrivateLines, IndividualLinesUseFixedColumns) {
  IndividualRecord r;
  r.skipFlags = 5;
  r.skipFlagsExt = 1234;
  r.hideFlags = 0x45;
  r.markFlags = 0x81;
  r.listBits[0] = 3;
  r.listBits[1] = 255;
  r.listBits[2] = 0;
  r.listPos = 123456;
  EXPECT_EQ(IndividualVerLine(r), "1 _VER   5 1234");
  EXPECT_EQ(IndividualSeqLine(r, false), "1 _SEQ   69  129    3  255    0 123456");
  EXPECT_EQ(IndividualSeqLine(r, true), "1 _SEQ   69  129    3  255    0 -1");
  r.listPos = -1;
  EXPECT_EQ(IndividualSeqLine(r, false), "1 _SEQ   69  129    3  255    0     -1");
}

TEST(PrivateLines, FamilyLineUsesFixedColumns) {
  FamilyRecord f;
  f.hideFlags = 2;
  f.listPos = 42;
  EXPECT_EQ(FamilySeqLine(f, false), "1 _SEQ    2     42");
  EXPECT_EQ(FamilySeqLine(f, true), "1 _SEQ    2 -1");
}

TEST(PrivateLines, EveryFieldReadsBackToTheSameBits) {
  IndividualRecord out;
  out.skipFlags = 255;
  out.skipFlagsExt = 0x80000001u;  // top bit set: written as a negative number
  out.hideFlags = 0x7F;
  out.markFlags = 0xFF;
  out.listBits[0] = 1;
  out.listBits[1] = 2;
  out.listBits[2] = 4;
  out.listPos = 999998;
  EXPECT_EQ(IndividualVerLine(out), "1 _VER 255 -2147483647");
  IndividualRecord in;
  ASSERT_TRUE(ReadVerLine(IndividualVerLine(out), &in));
  ASSERT_TRUE(ReadIndividualSeqLine(IndividualSeqLine(out, false), &in));
  EXPECT_EQ(in.skipFlags, out.skipFlags);
  EXPECT_EQ(in.skipFlagsExt, out.skipFlagsExt);
  EXPECT_EQ(in.hideFlags, out.hideFlags);
  EXPECT_EQ(in.markFlags, out.markFlags);
  EXPECT_EQ(in.listBits[0], 1);
  EXPECT_EQ(in.listBits[1], 2);
  EXPECT_EQ(in.listBits[2], 4);
  EXPECT_EQ(in.listPos, 999998);
  ASSERT_TRUE(ReadIndividualSeqLine(IndividualSeqLine(out, true), &in));
  EXPECT_EQ(in.listPos, -1);
}

TEST(PrivateLines, ShortOrDamagedLinesChangeNothingOrReadAsZero) {
  IndividualRecord r;
  r.listPos = 7;
  EXPECT_FALSE(ReadIndividualSeqLine("1 _SEQ    1    2", &r));
  EXPECT_EQ(r.listPos, 7);
  EXPECT_FALSE(ReadVerLine("1 _VER 1", &r));
  // Garbage in a field reads as 0; huge numbers neither overflow nor leak into other fields.
  ASSERT_TRUE(ReadIndividualSeqLine("1 _SEQ   xx 9999    3    4    5 777777777777777777777", &r));
  EXPECT_EQ(r.hideFlags, 0);
  EXPECT_EQ(r.markFlags, 9999 & 0xFF);
  EXPECT_EQ(r.listBits[0], 3);
  EXPECT_EQ(r.listPos, -1);
  FamilyRecord f;
  ASSERT_TRUE(ReadFamilySeqLine("1 _SEQ    8", &f));
  EXPECT_EQ(f.hideFlags, 8);
  EXPECT_EQ(f.listPos, 0);
  EXPECT_FALSE(ReadFamilySeqLine("1 _SEQ", &f));
}

}  // namespace
}  // namespace kinloom::store
