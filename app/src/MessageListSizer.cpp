#include "MessageListSizer.h"

#include <QHeaderView>
#include <QTableView>

MessageListSizer::MessageListSizer(QTableView* view, int* rowHeight, bool learnsRowHeight)
    : _view(view), _rowHeight(rowHeight), _learns(learnsRowHeight) {
    // Every row has the same height: the view never measures rows one by one.
    _view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    _view->verticalHeader()->setVisible(false);
    applyRowHeight();
}

void MessageListSizer::applyRowHeight() {
    if (*_rowHeight > 0) {
        _view->verticalHeader()->setDefaultSectionSize(*_rowHeight);
    }
}

void MessageListSizer::rowsAppended(bool sizingCountReached) {
    const int rows = _view->model() ? _view->model()->rowCount() : 0;
    if (rows == 0) {
        return;
    }
    if (sizingCountReached) {
        _view->resizeColumnsToContents();
        _view->resizeRowToContents(rows - 1);
        const int height = _view->rowHeight(rows - 1);
        if (height > 0) {
            _view->verticalHeader()->setDefaultSectionSize(height);
            if (_learns) {
                *_rowHeight = height;
            }
        }
    } else {
        applyRowHeight();
    }
    _view->scrollToBottom();
}
