#include "form/Literals.h"

#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

Literals convertLiterals() {
  const auto gbk = [](std::string_view utf8) { return gbkFromUtf8(utf8); };
  return Literals{
      .hyperlinkFont = gbk("楷体"),
      .initial编辑框1 = "myshop1234",
      .initial编辑框2 = gbk("点这里给我发消息"),
      .initial编辑框4 = "http://shop35871246.taobao.com",
      .initial编辑框5 = "http://www.example.com/images/favorite.gif",
      .messageTitle = gbk("信息："),
      .favouritesRefusal = gbk("请输入淘宝初始店铺名称，非修改后的域名"),
      .listMissingBefore = gbk("桌面上没有找到文件“"),
      .listMissingAfter = gbk("”。"),
      .listUnreadableBefore = gbk("桌面上的文件“"),
      .listUnreadableAfter = gbk("”无法读取，可能正被其他程序占用。"),
      .listShortBefore = gbk("文件“"),
      .listShortMiddle = gbk("”只有 "),
      .listShortAfter = gbk(" 行地址，需要 5 行。"),
      // Written for 752 x 250 with the fade effect: those values are the placeholders.
      .carouselTemplate = gbk(
          R"(<DIV style="WIDTH: 752px; HEIGHT: 250px" class="slider-promo J_Slider J_TWidget" data-widget-config="{'effect':'fade','contentCls': 'lst-main', 'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}" data-widget-type="Slide" data-type="fade">)"
          "\r\n"
          R"(<ul class=lst-main>)"
          "\r\n"
          R"(<li><A style="WIDTH: 752px; HEIGHT: 250px" href="链接1" target=_blank><img src="图片1" alt="" width="752" height="250"></A></li>)"
          "\r\n"
          R"(<li><A style="WIDTH: 752px; HEIGHT: 250px" href="链接2" target=_blank><img src="图片2" alt="" width="752" height="250"></A></li>)"
          "\r\n"
          R"(<li><A style="WIDTH: 752px; HEIGHT: 250px" href="链接3" target=_blank><img src="图片3" alt="" width="752" height="250"></A></li>)"
          "\r\n"
          R"(<li><A style="WIDTH: 752px; HEIGHT: 250px" href="链接4" target=_blank><img src="图片4" alt="" width="752" height="250"></A></li>)"
          "\r\n"
          R"(<li><A style="WIDTH: 752px; HEIGHT: 250px" href="链接5" target=_blank><img src="图片5" alt="" width="752" height="250"></A></li>)"
          "\r\n"
          R"(</ul></DIV>)"),
      .imagePlaceholders = {gbk("图片1"), gbk("图片2"), gbk("图片3"), gbk("图片4"), gbk("图片5")},
      .linkPlaceholders = {gbk("链接1"), gbk("链接2"), gbk("链接3"), gbk("链接4"), gbk("链接5")},
      .marqueeSample = gbk(
          R"(<marquee scrollamount="3" behavior="alternate">这里是滚动代码哦，测试一下吧！滚动内容中您可以放文字、)"
          R"(单张或者多张图片代码、表格代码、模板代码等等一切您希望滚的代码。)"
          "\r\n"
          "</marquee>"),
      .previewFileSuffix = gbk("\\测试代码.html"),
      .imageListFileSuffix = gbk("\\图片测试地址.txt"),
      .linkListFileSuffix = gbk("\\链接测试地址.txt"),
  };
}

}  // namespace

const Literals& literals() {
  static const Literals converted = convertLiterals();
  return converted;
}

const std::string& initialText(Field field) {
  static const std::string empty;
  const Literals& all = literals();
  switch (field) {
    case Field::编辑框1:
      return all.initial编辑框1;
    case Field::编辑框2:
      return all.initial编辑框2;
    case Field::编辑框4:
      return all.initial编辑框4;
    case Field::编辑框5:
      return all.initial编辑框5;
    default:
      return empty;
  }
}

}  // namespace shopcode
