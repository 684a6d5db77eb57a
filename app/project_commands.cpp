// SPDX-License-Identifier: MIT
#include "app/project_commands.h"

#include <QFileInfo>
#include <algorithm>

#include "app/main_dlg.h"
#include "calc/book.h"
#include "framework/platform_services.h"
#include "framework/tool_window.h"
#include "gui/book_pdf.h"
#include "pages/page_inputs.h"
#include "res/version_info.h"
#include "units/whole_file.h"

namespace {

const QString kProjectFilter = QStringLiteral("项目文件 (*.vek)");
const QString kBookFilter = QStringLiteral("计算书 (*.html *.md *.txt *.pdf)");
// More skipped lines than a box can show are summed up in one.
constexpr std::size_t kShownProblems = 15;

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The file name with the extension the filter implies when none was typed.
QString WithSuffix(QString path, const char* suffix) {
    if (QFileInfo(path).suffix().isEmpty())
        path += QString::fromUtf8(suffix);
    return path;
}

}  // namespace

std::vector<ProjectCommands::Window> ProjectCommands::Windows() const {
    std::vector<Window> windows;
    for (int index = 1; index <= CMainDlg::kPageCount; ++index)
        if (auto* page = dynamic_cast<CCalcPage*>(main_.Page(index))) {
            windows.push_back({page, page});
            for (CCalcPage* tool : page->ToolWindows()) windows.push_back({tool, page});
        }
    return windows;
}

void ProjectCommands::ShowError(const QString& text) {
    main_.MessageBox(text);
}

void ProjectCommands::SaveInputs() {
    QString path = Services().AskFileName(&main_, true, QStringLiteral("保存输入"), kProjectFilter);
    if (path.isEmpty())
        return;
    path = WithSuffix(path, ".vek");
    Project project;
    project.name = Utf8(name_.isEmpty() ? QFileInfo(path).completeBaseName() : name_);
    project.vekVersion = kVekFileVersion;
    for (const Window& w : Windows()) {
        // A tool window never opened in this run holds nothing of the user's.
        if (!w.window->IsCreated())
            continue;
        ProjectEntry entry = SavedInputs(*w.window);
        if (!entry.calculator.empty())
            project.entries.push_back(std::move(entry));
    }
    const std::string error = vek::units::ReplaceFileContent(Utf8(path), ProjectJson(project));
    if (!error.empty()) {
        ShowError(QStringLiteral("无法保存输入到 %1：\n%2")
                      .arg(QFileInfo(path).fileName(), QString::fromStdString(error)));
        return;
    }
    name_ = QString::fromStdString(project.name);
}

void ProjectCommands::OpenInputs() {
    const QString path =
        Services().AskFileName(&main_, false, QStringLiteral("打开输入"), kProjectFilter);
    if (path.isEmpty())
        return;
    ProjectRead read = ReadProjectFile(Utf8(path));
    if (!read.project) {
        // Refused as a whole: no window has changed.
        ShowError(QStringLiteral("无法打开输入 %1：\n%2")
                      .arg(QFileInfo(path).fileName(), QString::fromStdString(read.error)));
        return;
    }
    const std::vector<Window> windows = Windows();
    for (const ProjectEntry& entry : read.project->entries) {
        const KnownCalculator* known = FindKnownCalculator(entry.calculator);
        const auto shows = [&](const Window& w) {
            return known && ShowsCalculator(*w.window, *known);
        };
        const auto target = std::find_if(windows.begin(), windows.end(), shows);
        if (target == windows.end()) {
            read.problems.push_back(entry.calculator + "：没有窗口保存它的输入，已跳过。");
            continue;
        }
        // A tool window opens as its page's button opens it, then is filled.
        if (target->window != target->page && !target->window->isVisible())
            OpenToolWindow(*target->window, target->page);
        FillInputs(*target->window, entry, read.problems);
    }
    name_ = QString::fromStdString(read.project->name);
    if (read.problems.empty())
        return;
    QString text =
        QStringLiteral("已打开输入 %1，以下内容没有填入：").arg(QFileInfo(path).fileName());
    for (std::size_t i = 0; i < read.problems.size() && i < kShownProblems; ++i)
        text += QStringLiteral("\n") + QString::fromStdString(read.problems[i]);
    if (read.problems.size() > kShownProblems)
        text += QStringLiteral("\n……另有 %1 项").arg(read.problems.size() - kShownProblems);
    ShowError(text);
}

void ProjectCommands::ExportBook() {
    std::vector<CalcRecord> records;
    for (const Window& w : Windows())
        if (w.window->LastRecord())
            records.push_back(*w.window->LastRecord());
    if (records.empty()) {
        ShowError(
            QStringLiteral("还没有计算过任何页面，计算书中没有内容。请先计算，再导出计算书。"));
        return;
    }
    QString path = Services().AskFileName(&main_, true, QStringLiteral("导出计算书"), kBookFilter);
    if (path.isEmpty())
        return;
    path = WithSuffix(path, ".html");
    const QString suffix = QFileInfo(path).suffix().toLower();
    const BookHeading heading{BookTitle(Utf8(name_)),
                              Utf8(Services().LocalTime().date().toString(Qt::ISODate)),
                              kVekFileVersion};
    std::string bytes;
    if (suffix == "html" || suffix == "htm")
        bytes = BookHtml(heading, records);
    else if (suffix == "md")
        bytes = BookMarkdown(heading, records);
    else if (suffix == "txt")
        bytes = BookPlainText(heading, records);
    else if (suffix == "pdf")
        bytes = BookPdf(BookHtml(heading, records), QString::fromStdString(heading.title))
                    .toStdString();
    else {
        ShowError(QStringLiteral("计算书只能保存为 .html、.md、.txt 或 .pdf 文件，不能是 .%1。")
                      .arg(suffix));
        return;
    }
    const std::string error = vek::units::ReplaceFileContent(Utf8(path), bytes);
    if (!error.empty())
        ShowError(QStringLiteral("无法导出计算书到 %1：\n%2")
                      .arg(QFileInfo(path).fileName(), QString::fromStdString(error)));
}
