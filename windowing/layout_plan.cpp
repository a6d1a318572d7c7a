#include "windowing/layout_plan.h"

namespace scrubwell::windowing {
namespace {

// Rows whose children are windows inside their own window.
bool HoldsWindows(Kind kind)
{
    return kind == Kind::kTabControl || kind == Kind::kPage;
}

// The child of parent that comes n-th in tab order among those with one.
int NthInTabOrder(const LayoutItem* rows, int count, int parent, int n)
{
    for (int row = 0; row < count; ++row) {
        if (rows[row].parent != parent || rows[row].tab == kNoTab)
            continue;
        int before = 0;
        for (int other = 0; other < count; ++other)
            before += rows[other].parent == parent && rows[other].tab != kNoTab && rows[other].tab < rows[row].tab;
        if (before == n)
            return row;
    }
    return -1;
}

class Planner {
public:
    Planner(const LayoutItem* rows, int count, LayoutPlan& plan)
        : rows_(rows)
        , count_(count)
        , plan_(plan)
    {
        for (int& last : lastIn_)
            last = -1;
    }

    // Every child of parent and its children in turn, depth first, in row
    // order, except that the children with a tab order take the places of
    // such children by it.
    void Visit(int parent)
    {
        int tabbed = 0;
        for (int row = 0; row < count_; ++row) {
            if (rows_[row].parent != parent)
                continue;
            const int next = rows_[row].tab == kNoTab ? row : NthInTabOrder(rows_, count_, parent, tabbed++);
            if (next < 0)
                continue;
            Plan(next);
            Visit(next);
        }
    }

private:
    void Plan(int row)
    {
        const LayoutItem& item = rows_[row];
        PlannedRow& planned = plan_.rows[plan_.count++];
        planned.row = row;
        planned.place = item.bounds;
        int holder = item.parent;
        for (; holder != kOnForm && !HoldsWindows(rows_[holder].kind); holder = rows_[holder].parent) {
            planned.place.left += rows_[holder].bounds.left;
            planned.place.top += rows_[holder].bounds.top;
        }
        planned.holder = holder;
        planned.batch = item.kind == Kind::kPage ? row : PageOf(row);
        planned.drawn = item.kind == Kind::kPanel || item.kind == Kind::kBevel;
        planned.previous = lastIn_[holder + 1];
        planned.startsGroup = planned.previous < 0 || rows_[plan_.rows[planned.previous].row].parent != item.parent;
        if (!planned.drawn)
            lastIn_[holder + 1] = plan_.count - 1;
    }

    int PageOf(int row) const
    {
        for (int parent = rows_[row].parent; parent != kOnForm; parent = rows_[parent].parent)
            if (rows_[parent].kind == Kind::kPage)
                return parent;
        return kOnForm;
    }

    const LayoutItem* rows_;
    int count_;
    LayoutPlan& plan_;
    // For each window that holds rows (index 0 the form, row + 1 a page or
    // the tab control): the place in the plan of the last row so far with a
    // window in it.
    int lastIn_[kMaxRows + 1];
};

} // namespace

bool PlanLayout(const LayoutItem* rows, int count, LayoutPlan& plan)
{
    plan.count = 0;
    if (count > kMaxRows)
        return false;
    Planner(rows, count, plan).Visit(kOnForm);
    return true;
}

} // namespace scrubwell::windowing
