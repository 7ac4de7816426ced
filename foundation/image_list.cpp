#include "foundation/image_list.h"

namespace Support {

QPixmap ImageList::ListImages(int index) const
{
    if (index < 1 || index > images_.size())
        return {};
    return images_[index - 1];
}

} // namespace Support
