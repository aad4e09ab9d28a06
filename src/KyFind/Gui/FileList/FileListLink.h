// FileListLink: what the Find file list asks of the panes that follow its
// current file (the match list and the file view) and of its document; and
// CurrentFileOnly, the link that keeps the current file's row alone while
// no panes are bound.
#pragma once

class FileListLink {
public:
    virtual ~FileListLink() {}

    // The current file's row; -1 for none.
    virtual int GetCurrentFile() const = 0;
    // Makes the row the current file, the panes following it; -1: none.
    virtual void SetCurrentFile(int row) = 0;
    // The current file's record now shows in another row (after a sort or
    // an erase); -1: its record is gone.
    virtual void MoveCurrentFile(int row) = 0;
    // The current file's first match becomes the current match.
    virtual void SelectFirstMatch() = 0;
    // The current file was renamed.
    virtual void OnFileRenamed() = 0;
    // The Matches column's width, the least width of the match list's Line
    // column.
    virtual void SetMatchesColumnWidth(int width) = 0;
};

class CurrentFileOnly : public FileListLink {
public:
    int GetCurrentFile() const override { return m_current; }
    void SetCurrentFile(int row) override { m_current = row; }
    void MoveCurrentFile(int row) override { m_current = row; }
    void SelectFirstMatch() override {}
    void OnFileRenamed() override {}
    void SetMatchesColumnWidth(int width) override { m_matchesWidth = width; }

    int GetMatchesColumnWidth() const { return m_matchesWidth; }

private:
    int m_current = -1;
    int m_matchesWidth = 0;
};
