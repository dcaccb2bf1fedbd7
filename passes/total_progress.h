#pragma once

class CJobObserver;
class CRenameCellWriter;

// The run bar's position once `done` of `count` items are handled: a
// percentage, truncated. `count` is at least `done` and not 0.
int TotalPercent(unsigned done, unsigned count);

// Sets the run bar for a pass. A front end draws each position, so a
// position is sent only when it differs from the last one sent.
class CTotalProgressSender
{
public:
    // `cellsFirst`, when given, is flushed before every position, so the bar
    // never stands ahead of the cells on screen.
    explicit CTotalProgressSender(CJobObserver& observer, CRenameCellWriter* cellsFirst = nullptr);

    // A pass of two steps gives each its stretch of the bar: the items of
    // this sender move it from `first` to `last` rather than from 0 to 100.
    void SetStretch(int first, int last);

    // After item `index` of `count`.
    void AfterItem(unsigned index, unsigned count);
    // Back to 0, always sent.
    void Reset();

private:
    void Send(int percent);

    CJobObserver& m_observer;
    CRenameCellWriter* m_pCellsFirst;
    int m_nFirst = 0;
    int m_nLast = 100;
    int m_nLastSent = -1;
};
