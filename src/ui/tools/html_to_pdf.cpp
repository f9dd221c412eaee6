// solmon-html-to-pdf IN.html OUT.pdf: the build turns the manual's HTML
// source into the PDF that the Help menu opens.

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: solmon-html-to-pdf IN.html OUT.pdf\n");
    return 2;
  }
  QFile in(QString::fromLocal8Bit(argv[1]));
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "solmon-html-to-pdf: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument doc;
  doc.setHtml(QString::fromUtf8(in.readAll()));
  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setTitle("Solmon Manual");
  pdf.setCreator("Solmon");
  doc.print(&pdf);
  return QFile::exists(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
