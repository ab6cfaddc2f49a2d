// The desktop's pictures for a slide and its handout: File > Export
// Picture..., Export Handout (PDF)..., Print Handout... and Export Figures as
// CSV..., and the same from each view's own context menu and the Compare
// window. The pictures and pages are the ones the exporter writes (drawn by
// frontend/pictures.h and frontend/handout.h), in the palette in use.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "frontend/handout.h"
#include "frontend/pictures.h"

class Comparison;
class MainWindow;
class Preferences;
class QMenu;
class QWidget;

class PictureExports {
public:
    PictureExports(MainWindow& window, Preferences& preferences);

    // The File menu's entries, added at its end.
    void addToMenu(QMenu* file);

    // The current run's `view` as SVG or PNG, by the path's suffix.
    bool exportRunPicture(const QString& path, pictures::View view, pictures::Request request);
    bool exportComparisonPicture(const QString& path, const Comparison& comparison,
                                 const std::vector<pictures::View>& views, pictures::Request request);
    // The current run's (or the comparison's) handout as PDF.
    bool exportHandout(const QString& path, handout::Request request, const Comparison* comparison = nullptr);
    // The current run's figures, one row, as CSV.
    bool exportFiguresCsv(const QString& path);

    // Ask what and where, then write; `view` chosen beforehand when given.
    void askAndExportPicture(std::optional<pictures::View> view, QWidget* over);
    void askAndExportComparison(const Comparison& comparison, QWidget* over);
    void askAndExportHandout(const Comparison* comparison, QWidget* over);
    void askAndPrintHandout(const Comparison* comparison, QWidget* over);

private:
    // The pages of the current run, or the comparison's, in the palette in use.
    std::vector<std::string> handoutPages(handout::Request request, const Comparison* comparison) const;
    QString askPath(QWidget* over, const QString& title, const QString& filters, const std::string& proposed);
    void refuseWrite(const QString& path);

    MainWindow& window_;
    Preferences& preferences_;
};
