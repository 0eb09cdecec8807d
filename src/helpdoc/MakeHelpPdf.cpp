// Builds the help document the program opens, Tavrilon-Help.pdf, from the
// user guide in docs/, so that the help always matches the program.
#include <cstdio>

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-help-pdf GUIDE.md OUT.pdf\n");
    return 64;
  }
  QFile guide(QString::fromLocal8Bit(argv[1]));
  if (!guide.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(guide.errorString()));
    return 1;
  }
  QTextDocument document;
  // Pictures are named relative to the guide.
  document.setMetaInformation(
      QTextDocument::DocumentUrl,
      QUrl::fromLocalFile(QFileInfo(guide.fileName()).absoluteFilePath()).toString());
  document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
  document.setMarkdown(QString::fromUtf8(guide.readAll()));
  document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Tavrilon Help"));

  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setTitle(QStringLiteral("Tavrilon Help"));
  pdf.setCreator(QStringLiteral("Tavrilon"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
  document.print(&pdf);
  return 0;
}
