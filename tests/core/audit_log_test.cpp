#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/audit_log.h"
#include "support/temp_dir.h"
#include "support/test_platform.h"

TEST(AuditLog, TimeStampAndAppendedLines) {
  EXPECT_EQ(AuditTimeStamp({2026, 7, 4, 9, 5, 3}), "04/07/2026, 09:05:03 ");
  EXPECT_EQ(AuditTimeStamp({2027, 12, 31, 23, 59, 0}), "31/12/2027, 23:59:00 ");
  TempDir dir;
  Tournament t;
  TestPlatform tp;
  t.EventBase = dir.file("Nats");
  LogEntry(t, tp.fs, tp.clock, "first");
  tp.clock.now.second = 4;
  LogEntry(t, tp.fs, tp.clock, "second");
  std::ifstream in(dir.file("Natslog.log"), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  EXPECT_EQ(ss.str(), "04/07/2026, 09:05:03 first\r\n04/07/2026, 09:05:04 second\r\n");
}
