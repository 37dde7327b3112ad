// Anchor for the resource object library; the resources themselves come from
// the .qrc files beside this file.
