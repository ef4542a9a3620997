#ifndef VELTMAR_MESSAGELISTSIZER_H
#define VELTMAR_MESSAGELISTSIZER_H

class QTableView;

// The view side of a message list after each batch of rows: rows of the learned height (the
// height of a row sized to its contents, learned by the Mode-S list and shared with the
// ASTERIX list), column sizing at the row counts where it is cheap enough (1, 10, 30, 100),
// and a scroll to the newest row.
class MessageListSizer {
public:
    // `rowHeight` is shared and outlives the sizer; only a learning list writes it.
    MessageListSizer(QTableView* view, int* rowHeight, bool learnsRowHeight);

    // After rows were appended: `sizingCountReached` as the model reports it.
    void rowsAppended(bool sizingCountReached);
    // Applies the learned row height (after a start or when the window state is restored).
    void applyRowHeight();

private:
    QTableView* _view;
    int* _rowHeight;
    bool _learns;
};

#endif  // VELTMAR_MESSAGELISTSIZER_H
