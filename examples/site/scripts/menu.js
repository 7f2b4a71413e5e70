// The site menu: addItem(caption, link, target)
var menu = new Menu("Main");
menu.addItem("Home", "Index.HTM", "");
menu.addItem("Catalogue", "Pages/Catalogue.HTM", "");
menu.addItem("About Us", "Pages/About.HTM", "_self");
menu.addItem("Partners", "HTTP://Example.COM/Partners.HTML", "_blank");
