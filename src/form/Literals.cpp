#include "form/Literals.h"

#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

Literals convertLiterals() {
  const auto gbk = [](std::string_view utf8) { return gbkFromUtf8(utf8); };
  return Literals{
      .captions =
          {
              .分组框1 = gbk("客服代码"),
              .分组框2 = gbk("html代码"),
              .分组框3 = gbk("收藏代码"),
              .分组框4 = gbk("轮播代码"),
              .标签1 = gbk("旺旺帐号："),
              .标签2 = gbk("提示文字："),
              .标签3 = gbk("初始店铺名："),
              .标签4 = gbk("图片地址："),
              .标签5 = gbk("图片一："),
              .标签6 = gbk("链接一："),
              .标签7 = gbk("图片二："),
              .标签8 = gbk("链接二："),
              .标签9 = gbk("图片三："),
              .标签10 = gbk("链接三："),
              .标签11 = gbk("链接四："),
              .标签12 = gbk("图片四："),
              .标签13 = gbk("链接五："),
              .标签14 = gbk("图片五："),
              .标签15 = gbk("宽度"),
              .标签16 = gbk("高度"),
              .按钮1 = gbk("确认生成"),
              .按钮2 = gbk("复制代码"),
              .按钮3 = gbk("运行代码"),
              .按钮4 = gbk("确认生成"),
              .按钮5 = gbk("导入图片地址"),
              .按钮6 = gbk("导入链接地址"),
              .按钮7 = gbk("生成"),
              .按钮8 = gbk("滚动代码"),
              .单选框1 = gbk("渐变效果"),
              .单选框2 = gbk("向下滚动"),
          },
      .hyperlinkFont = gbk("楷体"),
      .initial编辑框1 = "myshop1234",
      .initial编辑框2 = gbk("点这里给我发消息"),
      .initial编辑框4 = "http://shop35871246.taobao.com",
      .initial编辑框5 = "http://www.example.com/images/favorite.gif",
      .messageTitle = gbk("信息："),
      .favouritesRefusal = gbk("请输入淘宝初始店铺名称，非修改后的域名"),
      .listMissingBefore = gbk("桌面上没有找到文件“"),
      .listMissingAfter = gbk("”。"),
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
