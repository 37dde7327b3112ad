// Where a friend reaches this computer, for "Copy Invite": the first address
// the dialog lists.
#include "host_join_dialogs.h"

QString HostGameDialog::bestAddress() const {
    return addressList->count() ? addressList->item(0)->text() : QString();
}
