// The small conversions the desktop layer makes: text, filters, edit pictures, the splash picture,
// and printing to a PDF file.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>

#include "app/edit_picture.h"
#include "app/jpeg_image.h"
#include "app/qt_file_dialogs.h"
#include "app/qt_printer.h"
#include "app/qt_services.h"
#include "app/text_codec.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

TEST(TextCodec, Windows1252BytesBecomeTheirCharactersAndBack) {
  std::string bytes = "Caf\xE9 \x80 \x93ok\x94";
  QString text = ToQt(bytes);
  EXPECT_EQ(text, QString::fromUtf8("Café € “ok”"));
  EXPECT_EQ(FromQt(text), bytes);
  EXPECT_EQ(FromQt(QString::fromUtf8("\u4e2d")), "?");
}

TEST(FileDialogFilter, PairsBecomeQtFilters) {
  EXPECT_EQ(QtFilter("Tallivar Event Data (*.dat)|*.dat|All files (*.*)|*.*"),
            "Tallivar Event Data (*.dat);;All files (*.*)");
  EXPECT_EQ(QtFilter("Skier Import Data|*.csv;*.txt"), "Skier Import Data (*.csv *.txt)");
}

TEST(EditPicture, DigitsUpToThePictureOnEachSideOfTheDot) {
  QRegularExpression e = PictureExpression("##.##");
  for (const char* ok : {"", "1", "12", "12.", "12.3", "12.34", "2.5", ".5", " 4.5", "  4"})
    EXPECT_TRUE(e.match(ok).hasMatch()) << ok;
  for (const char* bad : {"123", "1.234", "a", "1,5", "-1"}) EXPECT_FALSE(e.match(bad).hasMatch()) << bad;
  EXPECT_TRUE(PictureExpression("###").match("999").hasMatch());
  EXPECT_FALSE(PictureExpression("###").match("9.9").hasMatch());
}

TEST(SplashPicture, DecodesWithLibjpegAndRefusesGarbage) {
  QFile file(":/images/splash.jpg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray bytes = file.readAll();
  QImage image = DecodeJpeg(bytes);
  EXPECT_EQ(image.size(), QSize(480, 300));
  EXPECT_TRUE(DecodeJpeg(QByteArray("not a picture")).isNull());
  EXPECT_TRUE(DecodeJpeg(bytes.left(bytes.size() / 3)).width() <= 480);  // truncated: no crash
  EXPECT_TRUE(DecodeJpeg({}).isNull());
}

TEST(Printer, ReportFontResolvesToAFixedPitchFace) {
  QFont font = PrinterFont("Courier New", 10, true);
  EXPECT_EQ(font.family(), "Liberation Mono");
  EXPECT_TRUE(QFontInfo(font).fixedPitch());
  EXPECT_TRUE(font.bold());
}

TEST(Printer, TextStreamAndDrawnPagesGoToAPdfFile) {
  TempDir dir;
  QtPrinter printer;
  printer.pdfFile = QString::fromStdString(dir.file("report.pdf"));
  ASSERT_TRUE(printer.BeginDoc("Results"));
  printer.SetFont("Courier New", 10);
  printer.WriteLine("PL       COMPETITOR NAME");
  printer.FormFeed();
  printer.WriteLine("second page");
  printer.NewPage();
  EXPECT_GT(printer.PageWidth(), 0);
  EXPECT_GT(printer.TextWidth("MMMM"), printer.TextWidth("MM"));
  printer.TextOut(100, 100, "drawn");
  printer.Line(0, 0, 500, 0);
  printer.StretchBitmap(0, 200, 400, 160, "zetllogo2015");
  printer.EndDoc();
  EXPECT_EQ(printer.pagesPrinted, 3);
  QFile pdf(printer.pdfFile);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(4) == "%PDF");
}

TEST(Printer, AStreamLongerThanAPageGoesOnTheNextPage) {
  TempDir dir;
  QtPrinter printer;
  printer.pdfFile = QString::fromStdString(dir.file("long.pdf"));
  ASSERT_TRUE(printer.BeginDoc("Long"));
  printer.SetFont("Courier New", 10);
  int perPage = printer.PageHeight() / printer.TextHeight("X");
  for (int i = 0; i < perPage + 5; ++i) printer.WriteLine("line");
  printer.EndDoc();
  EXPECT_EQ(printer.pagesPrinted, 2);
}

TEST(ClockSeededRandom, SeedsOnceFromTheClock) {
  FixedClock clock;
  ClockSeededRandom a(clock), b(clock);
  std::vector<int> da, db;
  for (int i = 0; i < 20; ++i) {
    da.push_back(a.Draw(1000));
    db.push_back(b.Draw(1000));
  }
  EXPECT_EQ(da, db);  // same ticks, same sequence
  clock.ticks += 1;
  ClockSeededRandom c(clock);
  std::vector<int> dc;
  for (int i = 0; i < 20; ++i) dc.push_back(c.Draw(1000));
  EXPECT_NE(da, dc);
  for (int v : da) EXPECT_TRUE(v >= 0 && v < 1000);
}
