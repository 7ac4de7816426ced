#include "shell/image_list.h"

namespace SysTraySupport {

ImageList::ImageList(QWidget* owner, const QString& name) : QWidget(owner)
{
    setObjectName(name);
    hide();
}

QPixmap ImageList::ListImages(int index) const
{
    if (index < 1 || index > images_.size())
        return {};
    return images_[index - 1];
}

} // namespace SysTraySupport
